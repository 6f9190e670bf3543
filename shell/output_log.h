// The output box as the program's log.
#ifndef BRAMBLE_SHELL_OUTPUT_LOG_H_
#define BRAMBLE_SHELL_OUTPUT_LOG_H_

#include <string_view>

namespace bramble {

class MainWindow;

// Appends "==> ", the text and a line break at the end of the output box,
// whatever the user selected or typed there; the caret ends after it.
void AppendOutput(MainWindow& window, std::string_view text);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_OUTPUT_LOG_H_
