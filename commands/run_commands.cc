#include "commands/run_commands.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>
#include <string>

#include "host/script_host.h"
#include "shell/clipboard_text.h"
#include "shell/editor_text.h"
#include "shell/main_window.h"
#include "shell/output_log.h"
#include "shell/program_main.h"
#include "shell/ui_text.h"
#include "text/byte_text.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

constexpr int kErrorSelectionLength = 6;

// Reports the host's last error, if there is one, and selects its place.
// Returns whether there was an error.
bool ReportError(MainWindow& window, const char* what_failed_utf8) {
  const ScriptError error = GlobalHost().GetError();
  if (error.Number == "0") return false;
  AppendOutput(window, TextFromUtf8("第") + error.Line +
                           TextFromUtf8("行，第") + error.Column +
                           TextFromUtf8(what_failed_utf8) + error.Description);
  SelectErrorLocation(window, error.Line, error.Column);
  return true;
}

// The position `count` characters after `from`, clipped at the end.
long CharactersAfter(QsciScintilla& editor, long from, long count) {
  const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  if (count == 0) return from;
  const long to = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE,
                                       static_cast<unsigned long>(from), count);
  return to == 0 ? length : to;  // 0: past the end of the text
}

}  // namespace

void ExecuteCode(MainWindow& window) {
  const std::string code = GetEditorText(window.editor());
  if (code.empty()) return;
  GlobalHost().ExecuteStatement(code);
  if (!ReportError(window, "列，Execution出现错误，")) {
    AppendOutput(window, TextFromUtf8("加载成功！"));
  }
}

void EvaluateExpression(MainWindow& window) {
  ExecuteCode(window);
  const std::string expression = FromQString(window.expression_box().text());
  if (expression.empty()) return;
  const std::string value = GlobalHost().Eval(expression);
  if (!ReportError(window, "列，Eval出现错误，")) AppendOutput(window, value);
}

void SelectErrorLocation(MainWindow& window, std::string_view line,
                         std::string_view column) {
  QsciScintilla& editor = window.editor();
  const int64_t line_number = IntegerValue(line);
  const int64_t column_number = IntegerValue(column);
  long line_start = 0;
  if (line_number - 1 >= 0) {
    line_start =
        editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                             static_cast<unsigned long>(line_number - 1));
    if (line_start < 0) return;  // no such line in the editor
  }
  long start;
  if (column_number >= 0) {
    start =
        CharactersAfter(editor, line_start, static_cast<long>(column_number));
  } else {
    start = line_start + static_cast<long>(column_number);
    if (start < 0) return;
  }
  const long end = CharactersAfter(editor, start, kErrorSelectionLength);
  editor.SendScintilla(QsciScintillaBase::SCI_SETSEL,
                       static_cast<unsigned long>(start), end);
}

void ClearExpression(MainWindow& window) { window.expression_box().clear(); }

void CopyExpression(MainWindow& window) {
  PutClipboardText(FromQString(window.expression_box().text()));
}

void PasteExpression(MainWindow& window) {
  window.expression_box().setText(ToQString(GetClipboardText()));
}

}  // namespace bramble
