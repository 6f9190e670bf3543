#include "shell/output_log.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <string>

#include "shell/main_window.h"
#include "shell/ui_text.h"

namespace bramble {

void AppendOutput(MainWindow& window, std::string_view text) {
  std::string line = "==> ";
  line += text;
  line += "\r\n";
  // The box shows CR LF as one line break, as a text box does.
  QString shown = ToQString(line);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QPlainTextEdit& box = window.output_box();
  QTextCursor cursor(box.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(shown);
  box.setTextCursor(cursor);
  box.ensureCursorVisible();
}

}  // namespace bramble
