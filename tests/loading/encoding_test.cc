#include "loading/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bramble {
namespace {

std::string Units(std::u16string_view units) {
  std::string bytes;
  for (const char16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

// GB18030 of U+FFFD, the replacement character.
const std::string kReplacement = "\x84\x31\xA4\x37";

TEST(EncodingTest, Utf8ToAnsi) {
  struct Case {
    std::string utf8, expected;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"plain ASCII", "plain ASCII"},
      {"\xE4\xB8\xAD", "\xD6\xD0"},  // U+4E2D
      {"\xE4\xB8\xAD\xE6\x96\x87 ok \xC3\xA9", "\xD6\xD0\xCE\xC4 ok \xA8\xA6"},
      {"\xE2\x82\xAC", "\xA2\xE3"},              // the euro sign
      {"\xC4\x80", "\x81\x30\x8B\x38"},          // U+0100, not in GBK
      {"\xF0\x9F\x98\x80", "\x94\x39\xFC\x36"},  // U+1F600
      {std::string("a\0b", 3), "a"},             // the text ends at zero
      {"\xFF", kReplacement},
      {"\xE4\xB8"
       "A",
       kReplacement + "A"},                       // one for a cut sequence
      {"\xC0\x80", kReplacement + kReplacement},  // overlong: no zero
      {"\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
      // A base and a non-spacing mark become the precomposed character.
      {"e\xCC\x81", "\xA8\xA6"},
      {"\xE3\x81\x8B\xE3\x82\x99", "\xA4\xAC"},  // U+304B U+3099: U+304C
      // No precomposed form: two characters.
      {"q\xCC\x81", "q\x81\x30\xBC\x37"},
      {"\xCC\x81", "\x81\x30\xBC\x37"},  // a mark with nothing before it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.expected) << c.utf8;
  }
}

TEST(EncodingTest, Utf8ToUtf16KeepsZeroesAndAddsNoTerminator) {
  EXPECT_EQ(Utf8ToUtf16(""), "");
  EXPECT_EQ(Utf8ToUtf16("A\xE4\xB8\xAD"), Units(u"A\u4E2D"));
  EXPECT_EQ(Utf8ToUtf16(std::string("a\0b", 3)),
            Units(std::u16string(u"a\0b", 3)));
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), Units(u"\xD83D\xDE00"));
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"), Units(u"\xFFFD"));
}

TEST(EncodingTest, Utf16ToAnsi) {
  EXPECT_EQ(Utf16ToAnsi(Units(u"A\u4E2D")), "A\xD6\xD0");
  EXPECT_EQ(Utf16ToAnsi(Units(u"ab") + "c"), "ab");  // an odd last byte
  EXPECT_EQ(Utf16ToAnsi(Units(std::u16string(u"a\0b", 3))), "a");
  EXPECT_EQ(Utf16ToAnsi(Units(u"\xDE00x")), kReplacement + "x");
  EXPECT_EQ(Utf16ToAnsi(Units(u"x\xD83D")), "x" + kReplacement);
}

}  // namespace
}  // namespace bramble
