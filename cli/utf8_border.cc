#include "cli/utf8_border.h"

#include "text/gb18030.h"
#include "text/utf8.h"

namespace bramble {
namespace {

// The last 128 code points of plane 16 stand for the bytes 80..FF. The
// same characters in valid input come out as those bytes: plane 16's last
// private-use characters are given up for that.
constexpr char32_t kStrayBase = 0x10FF00;

}  // namespace

std::string Utf8InputToText(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp;
    const int length = DecodeUtf8(utf8, i, cp);
    if (length == 0) {
      AppendGb18030(kStrayBase + static_cast<unsigned char>(utf8[i]), text);
      ++i;
    } else {
      AppendGb18030(cp, text);
      i += length;
    }
  }
  return text;
}

std::string TextToUtf8Output(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size() + text.size() / 2);
  for (size_t i = 0; i < text.size();) {
    const DecodedChar c = DecodeGb18030(text, i);
    if (c.raw) {
      utf8.push_back(static_cast<char>(c.code_point));
    } else if (c.code_point >= kStrayBase + 0x80 &&
               c.code_point <= kStrayBase + 0xFF) {
      utf8.push_back(static_cast<char>(c.code_point - kStrayBase));
    } else {
      AppendUtf8(c.code_point, utf8);
    }
    i += c.length;
  }
  return utf8;
}

}  // namespace bramble
