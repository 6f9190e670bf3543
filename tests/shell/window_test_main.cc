// Runs the window tests inside one application with the global host, as the
// program itself does.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/form.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(bramble::kWindowClass);
  ::testing::InitGoogleTest(&argc, argv);
  bramble::CreateGlobalHost();
  const int result = RUN_ALL_TESTS();
  bramble::ReleaseGlobalHost();
  return result;
}
