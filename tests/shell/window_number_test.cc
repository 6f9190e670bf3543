// The number rule of a caption and the conversion of X11 caption texts.
#include "shell/window_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell/x11_text.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

TEST(WindowNumberTest, NumberAfterTheFirstNo) {
  struct Case {
    std::string caption;
    int32_t number;
  };
  const Case cases[] = {
      // The captions the copies write.
      {"Brambleworkshop 1.0   By:Zelv No.0", 0},
      {"Brambleworkshop 1.0   By:Zelv No.01", 1},
      {"Brambleworkshop 1.0   By:Zelv No.09", 9},
      {"Brambleworkshop 1.0   By:Zelv No.010", 10},
      {"Brambleworkshop 1.0   By:Zelv No.011", 11},
      {"Other tool No.7", 7},
      // Only the piece after the first "No." counts, up to the next one.
      {"No.5 No.6", 5},
      {"No.5No.60", 5},
      {"No.No.7", 0},
      {"a No.3 and No.", 3},
      // The digits up to the first other character.
      {"No.12ab3", 12},
      {"No.x12", 0},
      {"No.  42 ", 42},
      {"No.4 2", 4},
      // An optional sign.
      {"No.-3", -3},
      {"No.+8", 8},
      {"No.- 8", 0},
      {"No.--8", 0},
      // Full-width digits, sign and blanks (code page 936) read as ASCII.
      {"No.\xA3\xB1\xA3\xB2", 12},
      {"No.\xA1\xA1\xA3\xAD\xA3\xB5", -5},
      {"No.\xA3\xAB\xA3\xB7x", 7},
      {"No.\xA3\xB1"
       "0",
       10},
      // The match is exact and case-sensitive.
      {"no.5", 0},
      {"NO.5", 0},
      {"No,5", 0},
      {"No 5", 0},
      // Nothing after the first "No.": 0.
      {"", 0},
      {"Brambleworkshop", 0},
      {"No.", 0},
      {"Caption No.", 0},
      // "No." never matches from the second byte of a double-byte
      // character: here 4E is the trailing byte of B0 4E.
      {"\xB0No.1", 0},
      {"\xB0\x4Eo.1 No.2", 2},
      // 32-bit numbers; beyond that the nearest limit.
      {"No.2147483647", 2147483647},
      {"No.-2147483648", INT32_MIN},
      {"No.99999999999", INT32_MAX},
      {"No.-99999999999", INT32_MIN},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowNumber(c.caption), c.number) << c.caption;
  }
}

TEST(WindowNumberTest, FullWidthToAscii) {
  struct Case {
    std::string text;
    std::string ascii;
  };
  const Case cases[] = {
      {"", ""},
      {"abc 123", "abc 123"},
      // U+FF01 ! .. U+FF5E ~, and the ideographic blank U+3000.
      {"\xA3\xA1\xA3\xB0\xA3\xB9\xA3\xC1\xA3\xFA", "!09Az"},
      {"\xA1\xAB", "~"},
      {"\xA1\xA1", " "},
      // Other characters and bytes stay as they are.
      {"\xBA\xBA\xA3\xB1\xD7\xD6",
       "\xBA\xBA"
       "1\xD7\xD6"},
      {"\x80\xA3", "\x80\xA3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FullWidthToAscii(c.text), c.ascii) << c.text;
  }
}

TEST(X11TextTest, ToTheProgramsBytes) {
  struct Case {
    X11TextType type;
    std::string data;
    std::string bytes;
  };
  const Case cases[] = {
      {X11TextType::kUtf8, "No.1 \xE6\xB1\x89\xE5\xAD\x97",
       "No.1 \xBA\xBA\xD7\xD6"},
      {X11TextType::kUtf8, "\xEF\xBC\x91", "\xA3\xB1"},
      {X11TextType::kLatin1, "Caf\xE9", TextFromUtf8("Caf\xC3\xA9")},
      {X11TextType::kLatin1, "", ""},
      // Compound text: ASCII and ISO 8859-1 until a set is designated.
      {X11TextType::kCompoundText, "No.2 \xE9", TextFromUtf8("No.2 \xC3\xA9")},
      // GB 2312 in the right half and in the left half, then back.
      {X11TextType::kCompoundText, "\x1B$)A\xBA\xBA\xD7\xD6\x1B-A No.3",
       "\xBA\xBA\xD7\xD6 No.3"},
      {X11TextType::kCompoundText, "\x1B$(A\x3A\x3A\x1B(B No.4",
       "\xBA\xBA No.4"},
      // A UTF-8 segment.
      {X11TextType::kCompoundText, "a\x1B%G\xE5\xAD\x97\x1B%@b",
       "a\xD7\xD6"
       "b"},
      // An unknown set: each byte becomes "?"; directions are dropped.
      {X11TextType::kCompoundText, "\x1B$(B\x30\x21\x1B(Bx", "??x"},
      {X11TextType::kCompoundText,
       "\x9B"
       "1]ab\x9B]",
       "ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(X11TextToBytes(c.type, c.data), c.bytes) << c.data;
  }
}

}  // namespace
}  // namespace bramble
