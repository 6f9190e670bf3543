// The terminal's UTF-8 bytes and the program's text. Every byte string
// survives the trip: a byte that is not part of valid UTF-8 travels as a
// private-use character of its own (U+10FF80 + byte - 0x80), so that it
// cannot join its neighbours into a character of the program's code page.
#ifndef BRAMBLE_CLI_UTF8_BORDER_H_
#define BRAMBLE_CLI_UTF8_BORDER_H_

#include <string>
#include <string_view>

namespace bramble {

std::string Utf8InputToText(std::string_view utf8);
std::string TextToUtf8Output(std::string_view text);

}  // namespace bramble

#endif  // BRAMBLE_CLI_UTF8_BORDER_H_
