#include "text/byte_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bramble {
namespace {

// "中" is D6 D0 and "文" is CE C4 in code page 936; "D0 CE" inside them is
// no character start.
const std::string kZhong = "\xD6\xD0";
const std::string kWen = "\xCE\xC4";

struct InStrCase {
  std::string text, find;
  int start;
  bool ignore_case;
  int expected;
};

TEST(ByteTextTest, InStrFindsWholeCharactersOnly) {
  const std::vector<InStrCase> cases = {
      {"abcabc", "bc", 1, false, 2},
      {"abcabc", "bc", 3, false, 5},
      {"abcabc", "bc", 0, false, 2},  // below 1: from the start
      {"abcabc", "bc", -5, false, 2},
      {"abcabc", "x", 1, false, -1},
      {"abcabc", "BC", 1, false, -1},
      {"abcabc", "BC", 1, true, 2},               // ASCII letters fold
      {"a\xC4z", "\xE4z", 1, true, -1},           // non-ASCII bytes never fold
      {kZhong + kWen, "\xD0\xCE", 1, false, -1},  // straddles two characters
      {kZhong + kWen, kWen, 1, false, 3},
      {"x" + kZhong, "\xD0", 1, false, -1},  // a trailing byte
      {"abc", "", 2, false, 2},
      {"abc", "c", 9, false, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InStr(c.text, c.find, c.start, c.ignore_case), c.expected)
        << c.text << " / " << c.find << " from " << c.start;
  }
}

TEST(ByteTextTest, InStrRevGivesLastMatchEndingBeforeStart) {
  EXPECT_EQ(InStrRev("abcabc", "bc"), 5);
  EXPECT_EQ(InStrRev("abcabc", "bc", 6), 2);  // 5..6 ends past 5 bytes
  EXPECT_EQ(InStrRev("abcabc", "bc", 7), 5);
  EXPECT_EQ(InStrRev("abcabc", "BC", 0, true), 5);
  EXPECT_EQ(InStrRev(kZhong + kWen, "\xD0\xCE"), -1);
  EXPECT_EQ(InStrRev("abc", "x"), -1);
}

TEST(ByteTextTest, PartsAreClippedToTheText) {
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 9), "abc");
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(Right("abc", 9), "abc");
  EXPECT_EQ(Right("abc", -1), "");
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 4), "def");
  EXPECT_EQ(Mid("abcdef", 5, 9), "ef");
  EXPECT_EQ(Mid("abcdef", 0, 2), "");
  EXPECT_EQ(Mid("abcdef", 7, 2), "");
  EXPECT_EQ(Mid("abcdef", 2, 0), "");
}

TEST(ByteTextTest, SplitKeepsInnerEmptyPartsAndDropsAnEmptyTail) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Split("a,b,,c", ","), (V{"a", "b", "", "c"}));
  EXPECT_EQ(Split(",a", ","), (V{"", "a"}));
  EXPECT_EQ(Split("a,", ","), (V{"a"}));
  EXPECT_EQ(Split("", ","), V{});
  EXPECT_EQ(Split("No.1No.2", "No."), (V{"", "1", "2"}));
  // The separator is not seen inside a double-byte character.
  EXPECT_EQ(Split(kZhong + kWen, "\xD0\xCE"), V{kZhong + kWen});
}

TEST(ByteTextTest, ReplaceChangesWholeCharactersLeftToRight) {
  struct Case {
    std::string text, find, replacement, expected;
  };
  const std::vector<Case> cases = {
      {"a#b#c", "#", "--", "a--b--c"},
      {"aaa", "aa", "b", "ba"},  // no overlaps
      {"abc", "", "x", "abc"},
      {"", "a", "x", ""},
      {"ABC", "b", "x", "ABC"},                         // exact case
      {kZhong + kWen, "\xD0\xCE", "x", kZhong + kWen},  // straddles two
      {"x" + kZhong + "y", kZhong, "", "xy"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Replace(c.text, c.find, c.replacement), c.expected) << c.text;
  }
}

TEST(ByteTextTest, TrimRemovesBothKindsOfBlank) {
  const std::string wide_blank = "\xA1\xA1";
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim(wide_blank + " a" + wide_blank), "a");
  EXPECT_EQ(Trim("\ta\r\n"), "\ta\r\n");
  EXPECT_EQ(Trim("   "), "");
  // "A1 A1" that is the tail of one character and the head of another is
  // no blank: B0 A1 is a character, then A1 A1 is one blank.
  EXPECT_EQ(Trim("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
  EXPECT_EQ(RemoveBlanks(" a " + wide_blank + "b\t c "), "ab\tc");
}

TEST(ByteTextTest, LowerAsciiAndIntegerValue) {
  EXPECT_EQ(LowerAscii("AbC" + kZhong), "abc" + kZhong);
  struct Case {
    std::string text;
    int64_t value;
  };
  for (const Case& c : std::vector<Case>{{"42abc", 42},
                                         {"  -7", -7},
                                         {"+3", 3},
                                         {"abc", 0},
                                         {"", 0},
                                         {"010", 10},
                                         {"99999999999999999999", INT64_MAX}}) {
    EXPECT_EQ(IntegerValue(c.text), c.value) << c.text;
  }
  EXPECT_EQ(Blanks(3), "   ");
  EXPECT_EQ(Blanks(-1), "");
  EXPECT_EQ(ZeroBytes(2), std::string(2, '\0'));
  EXPECT_EQ(UntilNul(std::string("ab\0cd", 5)), "ab");
}

}  // namespace
}  // namespace bramble
