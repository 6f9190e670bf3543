#include "shell/window_number.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "text/byte_text.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

constexpr char32_t kFirstFullWidth = 0xFF01;  // FULLWIDTH EXCLAMATION MARK
constexpr char32_t kLastFullWidth = 0xFF5E;   // FULLWIDTH TILDE
constexpr char32_t kFullWidthOffset = 0xFEE0;
constexpr char32_t kIdeographicSpace = 0x3000;

}  // namespace

std::string FullWidthToAscii(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const DecodedChar c = DecodeGb18030(text, i);
    if (!c.raw && c.code_point >= kFirstFullWidth &&
        c.code_point <= kLastFullWidth) {
      out.push_back(static_cast<char>(c.code_point - kFullWidthOffset));
    } else if (!c.raw && c.code_point == kIdeographicSpace) {
      out.push_back(' ');
    } else {
      out.append(text.substr(i, c.length));
    }
    i += c.length;
  }
  return out;
}

int32_t WindowNumber(std::string_view caption) {
  const std::vector<std::string> pieces = Split(caption, "No.");
  if (pieces.size() < 2) return 0;
  const int64_t value = IntegerValue(FullWidthToAscii(pieces[1]));
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                          std::numeric_limits<int32_t>::max()));
}

}  // namespace bramble
