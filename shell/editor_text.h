// The code editor's whole text, as the program's bytes.
#ifndef BRAMBLE_SHELL_EDITOR_TEXT_H_
#define BRAMBLE_SHELL_EDITOR_TEXT_H_

#include <string>
#include <string_view>

class QsciScintilla;

namespace bramble {

std::string GetEditorText(QsciScintilla& editor);
// Replaces the whole text as one undo step; the caret ends at the start.
void SetEditorText(QsciScintilla& editor, std::string_view text);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_EDITOR_TEXT_H_
