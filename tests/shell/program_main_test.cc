#include "shell/program_main.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "shell/main_window.h"

namespace bramble {
namespace {

TEST(ProgramMainTest, ClosingTheWindowEndsWithZeroAndReleasesTheHostOnce) {
  int argc = 1;
  char name[] = "program_main_test";
  char* argv[] = {name, nullptr};
  int result = -1;
  int windows_seen = 0;
  bool focus_in_address_box = false;
  {
    QApplication app(argc, argv);
    QTimer::singleShot(0, [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<MainWindow*>(widget)) {
          ++windows_seen;
          focus_in_address_box =
              window->focusWidget() == &window->address_box();
          window->close();
        }
      }
    });
    result = ProgramMain();
    EXPECT_EQ(GlobalHostReleaseCount(), 0);  // released by the clean-up
  }
  EXPECT_EQ(result, 0);
  EXPECT_EQ(windows_seen, 1);
  EXPECT_TRUE(focus_in_address_box);
  EXPECT_EQ(GlobalHostReleaseCount(), 1);
}

}  // namespace
}  // namespace bramble
