// Code page 936, implemented as GB18030, and the conversions at the borders
// of the program: the editor holds UTF-8, Qt and the script engine hold
// UTF-16. Every conversion from bytes keeps the bytes that are not valid
// text, so that bytes -> Unicode -> bytes gives back the same bytes:
//  - in UTF-16 such a byte b travels as the lone surrogate U+DC00 + b;
//  - in the editor's UTF-8 it stays the raw byte (Scintilla keeps it).
#ifndef BRAMBLE_TEXT_GB18030_H_
#define BRAMBLE_TEXT_GB18030_H_

#include <string>
#include <string_view>

namespace bramble {

// One decoded character of a GB18030 byte string.
struct DecodedChar {
  char32_t code_point;  // the character, or the byte itself when `raw`
  int length;           // bytes taken: 1, 2 or 4
  bool raw;             // the byte starts no valid character
};

DecodedChar DecodeGb18030(std::string_view bytes, size_t at);
// Appends the GB18030 bytes of a Unicode scalar value.
void AppendGb18030(char32_t code_point, std::string& out);

std::u16string BytesToUtf16(std::string_view bytes);
std::string Utf16ToBytes(std::u16string_view units);

std::string BytesToEditorUtf8(std::string_view bytes);
std::string EditorUtf8ToBytes(std::string_view utf8);

// A text written in the source code as UTF-8 (captions, messages) turned
// into the program's bytes.
inline std::string TextFromUtf8(std::string_view utf8) {
  return EditorUtf8ToBytes(utf8);
}

}  // namespace bramble

#endif  // BRAMBLE_TEXT_GB18030_H_
