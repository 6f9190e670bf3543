// Editing the code editor's text as a whole: undo and redo, copy and paste
// of the whole text, and emptying the editor. Each change of the text is one
// undo step.
#ifndef BRAMBLE_COMMANDS_EDIT_COMMANDS_H_
#define BRAMBLE_COMMANDS_EDIT_COMMANDS_H_

namespace bramble {

class MainWindow;

void UndoEdit(MainWindow& window);
void RedoEdit(MainWindow& window);
// Puts the whole text on the clipboard, also when it is empty.
void CopyCode(MainWindow& window);
// Replaces the whole text with the clipboard's; an empty clipboard, or one
// without text, empties the editor.
void PasteCode(MainWindow& window);
void ClearCode(MainWindow& window);

}  // namespace bramble

#endif  // BRAMBLE_COMMANDS_EDIT_COMMANDS_H_
