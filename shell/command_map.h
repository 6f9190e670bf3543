// The command map: every event a control raises runs exactly one command.
#ifndef BRAMBLE_SHELL_COMMAND_MAP_H_
#define BRAMBLE_SHELL_COMMAND_MAP_H_

#include <span>

namespace bramble {

class MainWindow;
class CommandRouter;

enum class ControlEvent {
  kClicked,        // buttons and the check box
  kRightReleased,  // right mouse button released over a button
  kDoubleClicked,  // single-line boxes
  kEnterReleased,  // Enter released in a box, whatever the modifiers
  kTextChanged,    // single-line boxes
};

using Command = void (*)(MainWindow&);

struct Binding {
  const char* control;  // the control's form name
  ControlEvent event;
  Command command;
  const char* summary;  // UTF-8, for the button's tooltip
};

std::span<const Binding> CommandMap();

// Connects the events of the window's controls to their commands and gives
// each button a tooltip naming what its click and right release do. The
// router is owned by the window.
CommandRouter* BindCommands(MainWindow& window);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_COMMAND_MAP_H_
