// Conversions between UTF-8 byte sets and the program's texts (code page
// 936, implemented as GB18030), made in two steps through UTF-16. A byte set
// may hold zero bytes; UTF-16 travels in one as little-endian 16-bit units
// (an odd last byte is ignored). A text holds no zero byte.
#ifndef BRAMBLE_LOADING_ENCODING_H_
#define BRAMBLE_LOADING_ENCODING_H_

#include <string>
#include <string_view>

namespace bramble {

// Every ill-formed sequence becomes one U+FFFD; nothing fails. No
// terminating unit is added.
std::string Utf8ToUtf16(std::string_view utf8);

// Up to the first U+0000. A base character followed by a non-spacing mark is
// written as the precomposed character where one exists; a lone surrogate
// becomes U+FFFD. GB18030 holds every character, so nothing is lost to a
// default character.
std::string Utf16ToAnsi(std::string_view utf16);

// Utf8ToUtf16, then Utf16ToAnsi.
std::string Utf8ToAnsi(std::string_view utf8);

// The text up to its first zero byte, and one zero unit after it; the empty
// text gives the empty byte set. A byte that starts no character travels as
// the lone surrogate U+DC00 + byte.
std::string AnsiToUtf16(std::string_view text);

// Every unit, zero units included. A lone surrogate U+DC80..U+DCFF gives
// back the byte it carries (so a text's stray bytes stay as they were);
// any other lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view utf16);

// AnsiToUtf16, then Utf16ToUtf8: the UTF-8 bytes and one zero byte; the
// empty text gives the empty byte set.
std::string AnsiToUtf8(std::string_view text);

}  // namespace bramble

#endif  // BRAMBLE_LOADING_ENCODING_H_
