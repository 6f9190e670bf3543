#include "loading/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bramble {
namespace {

using namespace std::string_literals;

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

TEST(AnsiToUtf8Test, AnsiToUtf16EndsInOneZeroUnit) {
  struct Case {
    std::string text;
    std::u16string units;
  };
  const std::vector<Case> cases = {
      {"", u""},  // no terminator for the empty text
      {"A", u"A\0"s},
      {"A\xD6\xD0", u"A\u4E2D\0"s},
      {"\x94\x39\xFC\x36", u"\xD83D\xDE00\0"s},  // U+1F600, four bytes
      {"\x81\x30\x8B\x38", u"\u0100\0"s},        // four bytes, not in GBK
      {"ab\0cd"s, u"ab\0"s},                     // the text ends at zero
      // A byte that starts no character travels as U+DC00 + byte.
      {"\x80x\xFF", u"\xDC80x\xDCFF\0"s},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnsiToUtf16(c.text), Units(c.units)) << c.text;
  }
}

TEST(AnsiToUtf8Test, Utf16ToUtf8ConvertsEveryUnit) {
  struct Case {
    std::string utf16, utf8;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {Units(u"a\0b\0"s), "a\0b\0"s},
      {Units(u"\u4E2D") + "\x41", "\xE4\xB8\xAD"},  // an odd last byte
      {Units(u"\u00E9\u0800\uFFFF"), "\xC3\xA9\xE0\xA0\x80\xEF\xBF\xBF"},
      {Units(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80"},
      {Units(u"\xDC80\xDCFF"), "\x80\xFF"},  // stray bytes come back
      // Other lone surrogates: the replacement character.
      {Units(u"\xD83Dx"), "\xEF\xBF\xBDx"},
      {Units(u"\xDE00\xDC41"), "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {Units(u"x\xD83D"), "x\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
  }
}

TEST(AnsiToUtf8Test, AnsiToUtf8EndsInOneZeroByte) {
  struct Case {
    std::string text, utf8;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"plain ASCII", "plain ASCII\0"s},
      {"\xD6\xD0\xCE\xC4", "\xE4\xB8\xAD\xE6\x96\x87\0"s},  // 中文
      {"\xA2\xE3", "\xE2\x82\xAC\0"s},                      // the euro sign
      {"\x94\x39\xFC\x36", "\xF0\x9F\x98\x80\0"s},
      {"\xA8\xA6", "\xC3\xA9\0"s},
      {"a\x80", "a\x80\0"s},  // a stray byte stays
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnsiToUtf8(c.text), c.utf8) << c.text;
  }
}

TEST(AnsiToUtf8Test, BothDirectionsGiveTheTextBack) {
  struct Case {
    std::string text, utf8;
  };
  const std::vector<Case> cases = {
      {"\xD6\xD0", "\xE4\xB8\xAD"},  // three UTF-8 bytes
      {"a\xD6\xD0", "a\xE4\xB8\xAD"},
      {"\xA8\xA6\xD6\xD0", "\xC3\xA9\xE4\xB8\xAD"},  // five
      {"\x81\x30\x8B\x38\x94\x39\xFC\x36", "\xC4\x80\xF0\x9F\x98\x80"},
      // A lone mark stays a mark.
      {"\x81\x30\xBC\x37x", "\xCC\x81x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.text) << c.text;
    EXPECT_EQ(AnsiToUtf8(c.text), c.utf8 + '\0') << c.text;
  }
  // A base and a mark become one character: one way only.
  EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi("e\xCC\x81")), "\xC3\xA9\0"s);
}

}  // namespace
}  // namespace bramble
