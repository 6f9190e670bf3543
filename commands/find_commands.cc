#include "commands/find_commands.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>
#include <string>

#include "commands/scintilla_search.h"
#include "shell/main_window.h"
#include "shell/ui_text.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

int32_t find_position = 0;

// The find box's text as the editor holds text: UTF-8, with bytes that are
// not valid text kept as they are.
std::string FindPattern(MainWindow& window) {
  return BytesToEditorUtf8(FromQString(window.find_box().text()));
}

}  // namespace

int32_t FindPosition() { return find_position; }

void FindNext(MainWindow& window) {
  QsciScintilla& editor = window.editor();
  const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  const std::string pattern = FindPattern(window);
  // Only the regular-expression flag: ASCII letters match either case, and
  // the editor's own expression engine does the search.
  Sci_TextToFind search{{find_position, length}, pattern.c_str(), {0, 0}};
  const long found =
      editor.SendScintilla(QsciScintillaBase::SCI_FINDTEXT,
                           QsciScintillaBase::SCFIND_REGEXP, &search);
  if (found >= 0) {
    find_position = static_cast<int32_t>(search.chrgText.cpMax);
    editor.SendScintilla(QsciScintillaBase::SCI_SETSEL,
                         static_cast<unsigned long>(search.chrgText.cpMin),
                         static_cast<long>(find_position));
    return;
  }
  // Nothing found, or an expression the editor rejects: no selection, the
  // caret where the previous match ended.
  editor.SendScintilla(QsciScintillaBase::SCI_SETSEL,
                       static_cast<unsigned long>(find_position),
                       static_cast<long>(find_position));
  find_position = 0;
}

void ResetFind(MainWindow&) { find_position = 0; }

void ClearFindText(MainWindow& window) {
  window.find_box().clear();
  find_position = 0;
}

}  // namespace bramble
