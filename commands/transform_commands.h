// Commands that rewrite the editor's whole text with the built-in scripts:
// format and minify, unpack and pack. Each change is one undo step; when a
// script fails the text stays as it is and the output box says why.
#ifndef BRAMBLE_COMMANDS_TRANSFORM_COMMANDS_H_
#define BRAMBLE_COMMANDS_TRANSFORM_COMMANDS_H_

namespace bramble {

class MainWindow;

void FormatCode(MainWindow& window);
void CompressCode(MainWindow& window);
void UnpackCode(MainWindow& window);
void PackCode(MainWindow& window);

}  // namespace bramble

#endif  // BRAMBLE_COMMANDS_TRANSFORM_COMMANDS_H_
