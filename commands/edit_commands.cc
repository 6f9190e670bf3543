#include "commands/edit_commands.h"

#include <Qsci/qsciscintilla.h>

#include "shell/clipboard_text.h"
#include "shell/editor_text.h"
#include "shell/main_window.h"

namespace bramble {

void UndoEdit(MainWindow& window) {
  window.editor().SendScintilla(QsciScintillaBase::SCI_UNDO);
}

void RedoEdit(MainWindow& window) {
  window.editor().SendScintilla(QsciScintillaBase::SCI_REDO);
}

void CopyCode(MainWindow& window) {
  PutClipboardText(GetEditorText(window.editor()));
}

void PasteCode(MainWindow& window) {
  SetEditorText(window.editor(), GetClipboardText());
}

void ClearCode(MainWindow& window) {
  window.editor().SendScintilla(QsciScintillaBase::SCI_CLEARALL);
}

}  // namespace bramble
