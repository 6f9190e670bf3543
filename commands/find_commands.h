// The search through the editor's text with the regular expression in the
// find box. Each search starts where the previous match ended and, once
// nothing more is found, the next one starts again at the top.
#ifndef BRAMBLE_COMMANDS_FIND_COMMANDS_H_
#define BRAMBLE_COMMANDS_FIND_COMMANDS_H_

#include <cstdint>

namespace bramble {

class MainWindow;

// Where the next search begins: a 0-based byte position in the editor's
// (UTF-8) text, 0 at start. Only the commands below change it.
int32_t FindPosition();

// Selects the next match of the find box's pattern from FindPosition() on
// and moves FindPosition() to its end. When there is none (or the pattern is
// not a valid expression) nothing is selected, the caret stays where the
// previous match ended, and the next search starts at the top.
void FindNext(MainWindow& window);
// The next search starts at the top.
void ResetFind(MainWindow& window);
// Empties the find box; the next search starts at the top.
void ClearFindText(MainWindow& window);

}  // namespace bramble

#endif  // BRAMBLE_COMMANDS_FIND_COMMANDS_H_
