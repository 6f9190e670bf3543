// The UTF8 check box's command: it converts the editor's whole text in the
// direction of the box's new state.
#ifndef BRAMBLE_COMMANDS_TOGGLE_UTF8_H_
#define BRAMBLE_COMMANDS_TOGGLE_UTF8_H_

namespace bramble {

class MainWindow;

// Ticked: the text's bytes are read as UTF-8 and the characters they encode
// become the text. Unticked: the text becomes its own UTF-8 bytes, shown as
// code page 936 text. One undo step; the box itself is left as it is and
// nothing is written to the output box.
void ToggleUtf8(MainWindow& window);

}  // namespace bramble

#endif  // BRAMBLE_COMMANDS_TOGGLE_UTF8_H_
