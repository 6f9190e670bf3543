// Texts of X11 window properties (captions) turned into the program's
// bytes (code page 936 as GB18030).
#ifndef BRAMBLE_SHELL_X11_TEXT_H_
#define BRAMBLE_SHELL_X11_TEXT_H_

#include <string>
#include <string_view>

namespace bramble {

enum class X11TextType {
  kUtf8,          // UTF8_STRING, as in _NET_WM_NAME
  kLatin1,        // STRING: ISO 8859-1
  kCompoundText,  // COMPOUND_TEXT
};

// Converts `data` of the given property type. Compound text is read with
// its ASCII, ISO 8859-1, GB 2312 and UTF-8 segments; each byte of a
// character of any other character set becomes "?".
std::string X11TextToBytes(X11TextType type, std::string_view data);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_X11_TEXT_H_
