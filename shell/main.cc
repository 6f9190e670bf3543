#include <QApplication>
#include <QDir>
#include <cstdlib>

#include "commands/load_commands.h"
#include "shell/form.h"
#include "shell/platform_choice.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
  // Copies see each other's windows only through X11 (Xwayland).
  bramble::ChooseX11OnWayland();
  int status;
  {
    QApplication app(argc, argv);
    // The window class other copies look for (WM_CLASS on X11).
    QCoreApplication::setApplicationName(bramble::kWindowClass);
    // Relative paths are taken against the program's folder.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    status = bramble::ProgramMain();
  }  // the application's clean-up runs the exit routine here
  // A load still running does not hold the process, and must not meet the
  // tear-down of the libraries it is using.
  if (bramble::LoadsRunning()) std::_Exit(status);
  return status;
}
