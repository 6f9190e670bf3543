#include "shell/editor_text.h"

#include <Qsci/qsciscintilla.h>

#include "text/byte_text.h"
#include "text/gb18030.h"

namespace bramble {

std::string GetEditorText(QsciScintilla& editor) {
  const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  std::string buffer(static_cast<size_t>(length) + 1, '\0');
  editor.SendScintilla(QsciScintillaBase::SCI_GETTEXT,
                       static_cast<unsigned long>(length) + 1,
                       static_cast<void*>(buffer.data()));
  return EditorUtf8ToBytes(UntilNul(buffer));
}

void SetEditorText(QsciScintilla& editor, std::string_view text) {
  const std::string utf8 = BytesToEditorUtf8(UntilNul(text));
  editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, uintptr_t{0},
                       utf8.c_str());
  editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0);
}

}  // namespace bramble
