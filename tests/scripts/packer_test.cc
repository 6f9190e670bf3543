#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "host/script_host.h"
#include "scripts/run_packer.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

constexpr char kPrefix[] =
    "eval(function(p,a,c,k,e,d){e=function(c){return(c<a?'':e(parseInt(c/a)))"
    "+((c=c%a)>35?String.fromCharCode(c+29):c.toString(36))};if(!''.replace(/"
    "^/,String)){while(c--)d[e(c)]=k[c]||e(c);k=[function(e){return d[e]}];e="
    "function(){return'\\\\w+'};c=1};while(c--)if(k[c])p=p.replace(new RegExp("
    "'\\\\b'+e(c)+'\\\\b','g'),k[c]);return p}(";

class PackerTest : public ::testing::Test {
 protected:
  void SetUp() override { host_.Init(); }
  void TearDown() override { host_.Destroy(); }

  std::string Pack(const std::string& text, ScriptError* error = nullptr) {
    return RunPacker(host_, PackerEntry::kPack, text, error);
  }
  std::string Unpack(const std::string& text, ScriptError* error = nullptr) {
    return RunPacker(host_, PackerEntry::kUnpack, text, error);
  }

  ScriptHost host_;
};

TEST_F(PackerTest, PacksIntoThePublishedForm) {
  struct Case {
    std::string text, packed_tail;
  };
  const std::vector<Case> cases = {
      // Each word is replaced once, by its own code.
      {"A B C D E F G H I J K a",
       "'0 1 2 3 4 5 6 7 8 9 a b',62,12,'A|B|C|D|E|F|G|H|I|J|K|a'"},
      // A backslash followed by a word stays a backslash.
      {"a\\nb", "'0\\\\1',62,2,'a|nb'"},
      // Line breaks are kept as escapes; the result is one line.
      {"a\nb", "'0\\n1',62,2,'a|b'"},
      {"it's\n", "'0\\'1\\n',62,2,'it|s'"},
      // A word equal to its code has an empty entry.
      {"0 x", "'0 1',62,2,'|x'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Pack(c.text), kPrefix + c.packed_tail + ".split('|'),0,{}))")
        << c.text;
    EXPECT_EQ(Unpack(Pack(c.text)), c.text);
  }
  EXPECT_EQ(host_.Eval("num(62) + ',' + num(61) + ',' + num(3844)"),
            "10,Z,100");
}

TEST_F(PackerTest, TextsWithoutWordsFailAndUnpackFollowsEval) {
  for (const char* text : {"", "   ", "+-*/ ;"}) {
    ScriptError error;
    EXPECT_EQ(Pack(text, &error), "");
    EXPECT_NE(error.Number, "0") << text;
  }
  EXPECT_EQ(Unpack(""), "");
  EXPECT_EQ(Unpack("1 + 2 * 3"), "7");
  // A blank before "eval" keeps it: the packed code runs and yields nothing.
  EXPECT_EQ(Unpack(" " + Pack("var x = 1")), "");
  ScriptError error;
  EXPECT_EQ(Unpack("var = ;", &error), "");
  EXPECT_NE(error.Number, "0");
}

TEST_F(PackerTest, UserCodeCannotDisturbThePacker) {
  host_.ExecuteStatement("var a = 3; function encode() { return 'mine'; }");
  EXPECT_EQ(Unpack(Pack("alpha beta")), "alpha beta");
  EXPECT_EQ(host_.Eval("a"), "62");
}

// Random code-like texts: words, digits, quotes, backslashes, CR LF, line
// comments, non-ASCII characters and the packer's own punctuation.
std::string RandomCode(std::mt19937& rng) {
  static const std::vector<std::string> kPieces = {"var",
                                                   "x",
                                                   "_y1",
                                                   "0",
                                                   "10",
                                                   "Z",
                                                   "a",
                                                   "constructor",
                                                   "__proto__",
                                                   " ",
                                                   "  ",
                                                   "\t",
                                                   "\r\n",
                                                   "\n",
                                                   "\r",
                                                   "'",
                                                   "\"",
                                                   "\\",
                                                   "\\n",
                                                   "\\'",
                                                   "//c\n",
                                                   "/*",
                                                   "*/",
                                                   "$",
                                                   "|",
                                                   ",0,{}))",
                                                   "(",
                                                   ")",
                                                   "{",
                                                   "}",
                                                   ";",
                                                   "=",
                                                   "\xE4\xB8\xAD",
                                                   "\xE2\x80\xA8",
                                                   "\xE2\x80\xA9",
                                                   "`",
                                                   "${",
                                                   "e(c)"};
  std::uniform_int_distribution<size_t> count(1, 40);
  std::uniform_int_distribution<size_t> piece(0, kPieces.size() - 1);
  std::string text = "w";  // at least one word
  for (size_t n = count(rng); n > 0; --n) text += kPieces[piece(rng)];
  return EditorUtf8ToBytes(text);
}

TEST_F(PackerTest, UnpackingAPackedTextGivesItBack) {
  std::mt19937 rng(3);
  for (int round = 0; round < 500; ++round) {
    const std::string text = RandomCode(rng);
    const std::string packed = Pack(text);
    ASSERT_EQ(packed.find_first_of("\r\n"), std::string::npos) << text;
    ASSERT_EQ(Unpack(packed), text);
  }
}

}  // namespace
}  // namespace bramble
