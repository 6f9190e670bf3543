#include "commands/toggle_utf8.h"

#include <QCheckBox>
#include <string>

#include "loading/encoding.h"
#include "shell/editor_text.h"
#include "shell/main_window.h"
#include "text/byte_text.h"

namespace bramble {

void ToggleUtf8(MainWindow& window) {
  // The click has already flipped the box: this is its new state.
  const bool ticked = window.utf8_box().isChecked();
  const std::string text = GetEditorText(window.editor());
  // AnsiToUtf8 ends in a zero byte, which a text cannot hold.
  const std::string converted =
      ticked ? Utf8ToAnsi(text) : std::string(UntilNul(AnsiToUtf8(text)));
  SetEditorText(window.editor(), converted);
}

}  // namespace bramble
