// The code editor control: a Scintilla editor given its initial settings.
#ifndef BRAMBLE_SHELL_CODE_EDITOR_H_
#define BRAMBLE_SHELL_CODE_EDITOR_H_

class QWidget;
class QsciScintilla;

namespace bramble {

QsciScintilla* CreateCodeEditor(QWidget* parent);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_CODE_EDITOR_H_
