#include "text/utf8.h"

namespace bramble {

int DecodeUtf8(std::string_view bytes, size_t at, char32_t& code_point) {
  const auto b0 = static_cast<unsigned char>(bytes[at]);
  if (b0 < 0x80) {
    code_point = b0;
    return 1;
  }
  int length;
  char32_t cp;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[at + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  code_point = cp;
  return length;
}

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

int Utf8InvalidLength(std::string_view bytes, size_t at) {
  const auto b0 = static_cast<unsigned char>(bytes[at]);
  int length;
  unsigned char low = 0x80;  // the range of the next byte
  unsigned char high = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    if (b0 == 0xE0) low = 0xA0;   // no overlong form
    if (b0 == 0xED) high = 0x9F;  // no surrogate
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    if (b0 == 0xF0) low = 0x90;   // no overlong form
    if (b0 == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 1;
  }
  int taken = 1;
  while (taken < length && at + taken < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[at + taken]);
    if (b < low || b > high) break;
    low = 0x80;
    high = 0xBF;
    ++taken;
  }
  return taken;
}

}  // namespace bramble
