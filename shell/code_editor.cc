#include "shell/code_editor.h"

#include <Qsci/qsciscintilla.h>

namespace bramble {
namespace {

// Scintilla colours are 0xBBGGRR.
constexpr long kBlack = 0x000000;
constexpr long kWhite = 0xFFFFFF;
constexpr long kNavy = 0x800000;

}  // namespace

QsciScintilla* CreateCodeEditor(QWidget* parent) {
  auto* editor = new QsciScintilla(parent);
  using S = QsciScintillaBase;
  const auto send = [editor](unsigned int message, unsigned long w,
                             long l = 0) {
    editor->SendScintilla(message, w, l);
  };
  send(S::SCI_SETMARGINWIDTHN, 1, 0);
  send(S::SCI_SETREADONLY, 0);
  send(S::SCI_SETHSCROLLBAR, 0);
  send(S::SCI_SETVSCROLLBAR, 1);
  send(S::SCI_SETVIEWWS, 0);
  send(S::SCI_SETWHITESPACEFORE, 1, kBlack);
  send(S::SCI_SETWHITESPACEBACK, 1, kWhite);
  editor->SendScintilla(S::SCI_SETCURSOR, static_cast<unsigned long>(-1));
  send(S::SCI_SETEOLMODE, S::SC_EOL_CRLF);
  send(S::SCI_SETVIEWEOL, 0);
  send(S::SCI_SETSELFORE, 1, kWhite);
  send(S::SCI_SETSELBACK, 1, kNavy);
  send(S::SCI_SETCARETFORE, kBlack);
  send(S::SCI_SETCARETLINEVISIBLE, 0);
  send(S::SCI_SETCARETLINEBACK, kWhite);
  send(S::SCI_SETCARETPERIOD, 500);
  send(S::SCI_SETCARETWIDTH, 1);
  // The editor holds UTF-8; the program's texts are converted at its border.
  send(S::SCI_SETCODEPAGE, S::SC_CP_UTF8);
  send(S::SCI_SETINDENTATIONGUIDES, 0);
  send(S::SCI_SETWRAPMODE, S::SC_WRAP_WORD);
  // No lexer: the text is shown in the default style.
  send(S::SCI_SETLEXER, 1 /* SCLEX_NULL */);
  return editor;
}

}  // namespace bramble
