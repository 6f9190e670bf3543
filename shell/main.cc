#include <QApplication>
#include <QDir>

#include "shell/form.h"
#include "shell/platform_choice.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
  // Copies see each other's windows only through X11 (Xwayland).
  bramble::ChooseX11OnWayland();
  QApplication app(argc, argv);
  // The window class other copies look for (WM_CLASS on X11).
  QCoreApplication::setApplicationName(bramble::kWindowClass);
  // Relative paths are taken against the program's folder.
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  return bramble::ProgramMain();
}
