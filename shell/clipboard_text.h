// Plain text on the system clipboard.
#ifndef BRAMBLE_SHELL_CLIPBOARD_TEXT_H_
#define BRAMBLE_SHELL_CLIPBOARD_TEXT_H_

#include <string>
#include <string_view>

namespace bramble {

void PutClipboardText(std::string_view text);
// The empty text when the clipboard holds no text.
std::string GetClipboardText();

}  // namespace bramble

#endif  // BRAMBLE_SHELL_CLIPBOARD_TEXT_H_
