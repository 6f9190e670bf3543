#include "shell/program_main.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "commands/load_commands.h"
#include "shell/main_window.h"
#include "tests/loading/local_servers.h"

namespace bramble {
namespace {

const auto* const servers =
    ::testing::AddGlobalTestEnvironment(new LocalServers);

struct ProgramRun {
  int result = -1;
  int windows_seen = 0;
  bool focus_in_address_box = false;
  int releases_before_clean_up = -1;
};

// Runs the program in a fresh application; `in_window` runs once the main
// window is up, and then the window is closed.
ProgramRun RunProgram(const std::function<void(MainWindow&)>& in_window) {
  int argc = 1;
  char name[] = "program_main_test";
  char* argv[] = {name, nullptr};
  ProgramRun run;
  QApplication app(argc, argv);
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = dynamic_cast<MainWindow*>(widget)) {
        ++run.windows_seen;
        run.focus_in_address_box =
            window->focusWidget() == &window->address_box();
        in_window(*window);
        window->close();
      }
    }
  });
  run.result = ProgramMain();
  run.releases_before_clean_up = GlobalHostReleaseCount();
  return run;  // the application's clean-up runs the exit routine
}

TEST(ProgramMainTest, ClosingTheWindowEndsWithZeroAndReleasesTheHostOnce) {
  const int released = GlobalHostReleaseCount();
  const ProgramRun run = RunProgram([](MainWindow&) {});
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.windows_seen, 1);
  EXPECT_TRUE(run.focus_in_address_box);
  EXPECT_EQ(run.releases_before_clean_up, released);
  EXPECT_EQ(GlobalHostReleaseCount(), released + 1);
}

TEST(ProgramMainTest, ALoadStillRunningDoesNotHoldTheProgram) {
  const ProgramRun run = RunProgram([](MainWindow& window) {
    // Ten seconds of body.
    window.address_box().setText(QString::fromStdString(
        LocalServers::Http() + "/slow?pieces=100&pause=0.1"));
    StartLoad(window);
  });
  EXPECT_EQ(run.result, 0);
  EXPECT_TRUE(LoadsRunning());  // the program ended without waiting
}

}  // namespace
}  // namespace bramble

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  // As the program does: a running load does not hold the process.
  if (bramble::LoadsRunning()) std::_Exit(result);
  return result;
}
