// Scintilla's search record for SCI_FINDTEXT, laid out as the Scintilla
// inside this QScintilla build expects it. The library installs no
// Scintilla.h; its positions there are Sci_PositionCR, which is `long` (the
// same type QsciScintillaBase::SendScintilla takes for text ranges), so 64
// bits on 64-bit Linux. The names are Scintilla's own.
#ifndef BRAMBLE_COMMANDS_SCINTILLA_SEARCH_H_
#define BRAMBLE_COMMANDS_SCINTILLA_SEARCH_H_

namespace bramble {

using Sci_PositionCR = long;

struct Sci_CharacterRange {
  Sci_PositionCR cpMin;
  Sci_PositionCR cpMax;
};

struct Sci_TextToFind {
  Sci_CharacterRange chrg;      // the range to search
  const char* lpstrText;        // the NUL-terminated pattern
  Sci_CharacterRange chrgText;  // the match, filled in by the editor
};

}  // namespace bramble

#endif  // BRAMBLE_COMMANDS_SCINTILLA_SEARCH_H_
