// Commands that run the editor's code in the global script host and
// evaluate expressions against it, and the expression box's helpers.
#ifndef BRAMBLE_COMMANDS_RUN_COMMANDS_H_
#define BRAMBLE_COMMANDS_RUN_COMMANDS_H_

#include <string_view>

namespace bramble {

class MainWindow;

void ExecuteCode(MainWindow& window);
void EvaluateExpression(MainWindow& window);
void ClearExpression(MainWindow& window);
void CopyExpression(MainWindow& window);
void PasteExpression(MainWindow& window);

// Selects six characters of the editor at a script error's line (1-based)
// and column (0-based, in characters), clipped at the end of the text.
void SelectErrorLocation(MainWindow& window, std::string_view line,
                         std::string_view column);

}  // namespace bramble

#endif  // BRAMBLE_COMMANDS_RUN_COMMANDS_H_
