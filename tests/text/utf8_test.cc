#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bramble {
namespace {

TEST(Utf8Test, InvalidLengthIsTheMaximalSubpart) {
  struct Case {
    std::string bytes;
    int expected;
  };
  const std::vector<Case> cases = {
      {"\x80", 1},      // a lone continuation byte
      {"\xC0\x80", 1},  // C0 starts nothing valid
      {"\xC3", 1},      // cut short at the end
      {"\xE4\xB8"
       "A",
       2},  // a valid start of three bytes, then A
      {"\xE4\xB8", 2},
      {"\xE0\x80\x80", 1},      // overlong: 80 cannot follow E0
      {"\xED\xA0\x80", 1},      // a surrogate: A0 cannot follow ED
      {"\xF0\x9F\x98", 3},      // four-byte start cut short
      {"\xF4\x90\x80\x80", 1},  // above U+10FFFF
      {"\xF5\x80", 1},
      {"\xFF", 1},
  };
  for (const Case& c : cases) {
    char32_t cp;
    EXPECT_EQ(DecodeUtf8(c.bytes, 0, cp), 0);
    EXPECT_EQ(Utf8InvalidLength(c.bytes, 0), c.expected);
  }
}

}  // namespace
}  // namespace bramble
