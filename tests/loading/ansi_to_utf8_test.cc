// The text-to-UTF-8 direction of the conversions, and the round trips that
// the UTF8 check box relies on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loading/encoding.h"

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
