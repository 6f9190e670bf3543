#include "text/gb18030.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace bramble {
namespace {

TEST(Gb18030Test, KnownCharacters) {
  struct Case {
    std::string bytes;
    std::u16string units;
    std::string utf8;
  };
  const Case cases[] = {
      {"A", u"A", "A"},
      {"\xD6\xD0", u"\u4E2D", "\xE4\xB8\xAD"},      // 中, also in 936
      {"\xA1\xA1", u"\u3000", "\xE3\x80\x80"},      // wide blank
      {"\x81\x30\x81\x30", u"\u0080", "\xC2\x80"},  // four-byte BMP
      {"\x90\x30\x81\x30", u"\U00010000", "\xF0\x90\x80\x80"},
      {"\xE3\x32\x9A\x35", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
      {"\x84\x31\xA4\x37", u"\uFFFD", "\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BytesToUtf16(c.bytes), c.units);
    EXPECT_EQ(Utf16ToBytes(c.units), c.bytes);
    EXPECT_EQ(BytesToEditorUtf8(c.bytes), c.utf8);
    EXPECT_EQ(EditorUtf8ToBytes(c.utf8), c.bytes);
  }
}

TEST(Gb18030Test, BytesThatAreNoTextAreKept) {
  // 0x80 (the euro sign of 936) and 0xFF are no GB18030 characters, nor is
  // a lead byte without its trail.
  const std::string bytes =
      "a\x80"
      "b\xFF"
      "c\xD6";
  EXPECT_EQ(BytesToUtf16(bytes),
            u"a\xDC80"
            u"b\xDCFF"
            u"c\xDCD6");
  EXPECT_EQ(BytesToEditorUtf8(bytes), bytes);
  EXPECT_EQ(Utf16ToBytes(BytesToUtf16(bytes)), bytes);
  // A lone surrogate that stands for no byte becomes U+FFFD, never "?".
  EXPECT_EQ(Utf16ToBytes(u"\xD800"), "\x84\x31\xA4\x37");
}

TEST(Gb18030Test, EveryTwoByteCodeIsACharacter) {
  // Without holes in the two-byte table no raw lead byte can meet a raw
  // trailing byte, so the editor's UTF-8 never mistakes them for UTF-8.
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string bytes{static_cast<char>(lead),
                              static_cast<char>(trail)};
      const DecodedChar c = DecodeGb18030(bytes, 0);
      ASSERT_FALSE(c.raw) << std::hex << lead << " " << trail;
      ASSERT_EQ(c.length, 2);
    }
  }
}

// Random byte strings without NUL, biased towards lead and trail bytes so
// that valid and broken multi-byte sequences both come up often.
std::string RandomBytes(std::mt19937& rng, size_t max_length) {
  static const unsigned char kInteresting[] = {
      0x30, 0x39, 0x40, 0x7E, 0x7F, 0x80, 0x81, 0x84, 0x90, 0xA1, 0xC2,
      0xD6, 0xE3, 0xE4, 0xED, 0xF0, 0xF4, 0xFE, 0xFF, 0x0A, 0x0D};
  std::uniform_int_distribution<size_t> length(0, max_length);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<int> pick(0, 2);
  std::uniform_int_distribution<size_t> interesting(0, sizeof kInteresting - 1);
  std::string s(length(rng), ' ');
  for (char& c : s) {
    c = static_cast<char>(pick(rng) == 0 ? kInteresting[interesting(rng)]
                                         : byte(rng));
  }
  return s;
}

TEST(Gb18030Test, AnyBytesSurviveBothBorders) {
  std::mt19937 rng(20261211);
  for (int round = 0; round < 20000; ++round) {
    const std::string bytes = RandomBytes(rng, 40);
    ASSERT_EQ(Utf16ToBytes(BytesToUtf16(bytes)), bytes);
    ASSERT_EQ(EditorUtf8ToBytes(BytesToEditorUtf8(bytes)), bytes);
  }
}

TEST(Gb18030Test, EveryCharacterRoundTripsThroughBytes) {
  for (char32_t cp = 1; cp <= 0x10FFFF; cp += (cp < 0x10000 ? 1 : 97)) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string bytes;
    AppendGb18030(cp, bytes);
    const DecodedChar c = DecodeGb18030(bytes, 0);
    ASSERT_FALSE(c.raw) << std::hex << static_cast<uint32_t>(cp);
    ASSERT_EQ(c.code_point, cp);
    ASSERT_EQ(static_cast<size_t>(c.length), bytes.size());
  }
}

}  // namespace
}  // namespace bramble
