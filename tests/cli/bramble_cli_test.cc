// bramble run as a user runs it: arguments, standard input or a file,
// standard output, standard error and the exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/script_error.h"
#include "scripts/run_formatter.h"
#include "tests/cli/run_program.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

const std::string kBramble = BRAMBLE_EXECUTABLE;
const std::string kModules = std::string(BRAMBLE_SOURCE_DIR) + "/node_modules/";

constexpr char kPackedPrefix[] =
    "eval(function(p,a,c,k,e,d){e=function(c){return(c<a?'':e(parseInt(c/a)))"
    "+((c=c%a)>35?String.fromCharCode(c+29):c.toString(36))};if(!''.replace(/"
    "^/,String)){while(c--)d[e(c)]=k[c]||e(c);k=[function(e){return d[e]}];e="
    "function(){return'\\\\w+'};c=1};while(c--)if(k[c])p=p.replace(new RegExp("
    "'\\\\b'+e(c)+'\\\\b','g'),k[c]);return p}(";

ProgramOutcome Bramble(const std::vector<std::string>& args,
                       std::string_view input = {}) {
  return RunProgram(kBramble, args, input);
}

struct Case {
  std::string command, input, output;
};

TEST(BrambleCliTest, EachCommandReadsStandardInputOrAFile) {
  const std::string packed =
      kPackedPrefix + std::string("'0 1 0',62,2,'a|b'.split('|'),0,{}))");
  const std::vector<Case> cases = {
      {"format", "var a=1;if(a){b()}", "var a = 1;\nif (a) {\n    b()\n}"},
      {"format", "a();\r\n\r\n\r\n\r\nb();", "a();\n\n\n\nb();"},
      // The minifier's leading line feed goes; any other first character
      // is code and stays.
      {"minify", "var a = 1; // one\n\nf( a );\n", "var a=1;f(a);"},
      {"minify", "!function () {}();", "!function(){}();"},
      {"minify", "'use strict';\nx()", "'use strict';x()"},
      {"pack", "a b a", packed},
      {"unpack", packed, "a b a"},
      {"unpack", "6 * 7", "42"},
      // Empty results are fine: nothing is written, nothing added.
      {"format", "", ""},
      {"minify", "// only a comment\n", ""},
      {"unpack", "", ""},
  };
  const TempFolder folder;
  for (const Case& c : cases) {
    const std::string file = folder.Write("input.js", c.input).string();
    const std::vector<std::vector<std::string>> ways = {
        {c.command}, {c.command, "-"}, {c.command, file}};
    for (const std::vector<std::string>& args : ways) {
      const std::string feed =
          args.size() == 2 && args[1] == file ? "" : c.input;
      const ProgramOutcome got = Bramble(args, feed);
      EXPECT_EQ(got.status, 0) << c.command << " " << c.input;
      EXPECT_EQ(got.out, c.output) << c.command << " " << c.input;
      EXPECT_EQ(got.err, "") << c.command << " " << c.input;
    }
  }
}

TEST(BrambleCliTest, DoubleDashEndsTheOptions) {
  const TempFolder folder;
  folder.Write("-h", "x=1");
  const ProgramOutcome got =
      RunProgram(kBramble, {"format", "--", "-h"}, "", folder.path());
  EXPECT_EQ(got.status, 0) << got.err;
  EXPECT_EQ(got.out, "x = 1");
}

TEST(BrambleCliTest, Utf8GoesInAndComesOutAsUtf8) {
  const std::vector<Case> cases = {
      {"format", "var s=\"中文\";", "var s = \"中文\";"},
      {"format", "var s=\"\xff\";", "var s = \"\xff\";"},
      // The minifier counts characters above ASCII as word characters.
      {"minify", "var 名字 = \"值\" ;", "var 名字=\"值\";"},
      {"unpack", "'中' + \"文\"", "中文"},
  };
  for (const Case& c : cases) {
    const ProgramOutcome got = Bramble({c.command}, c.input);
    EXPECT_EQ(got.status, 0) << c.input << ": " << got.err;
    EXPECT_EQ(got.out, c.output) << c.input;
  }
}

TEST(BrambleCliTest, PackThenUnpackGivesTheBytesBack) {
  const std::vector<std::string> texts = {
      "var s = '中文';\r\nalert(s); // 注释\n",
      // Bytes that are not UTF-8: a lone continuation byte, a byte that
      // starts nothing, a lead byte without its continuation, and pairs
      // that would read as one GB18030 character ("\xe9\xe8" is Latin-1).
      "var raw = '\x80 \xff \xe4 \xc3(';\nraw\n",
      "var latin = '\xe9\xe8', cut = '\xe4\xb8', joined = '\xe4\xe4\xb8\xad';",
      "a\\nb 'quoted' \"double\"\u2028x",
  };
  const TempFolder folder;
  for (const std::string& text : texts) {
    const ProgramOutcome packed = Bramble({"pack"}, text);
    ASSERT_EQ(packed.status, 0) << text << ": " << packed.err;
    EXPECT_TRUE(packed.out.starts_with(kPackedPrefix)) << text;
    EXPECT_EQ(packed.out.find('\n'), std::string::npos) << packed.out;
    const std::string file = folder.Write("packed.js", packed.out).string();
    const ProgramOutcome unpacked = Bramble({"unpack", file});
    EXPECT_EQ(unpacked.status, 0) << text << ": " << unpacked.err;
    EXPECT_TRUE(unpacked.out == text) << text;
  }
}

// The executable gives what the library gives, on real code with all its
// variety: js-beautify's own source.
TEST(BrambleCliTest, ResultsOnARealLibraryAreTheLibrarysOwn) {
  const std::string path = kModules + "js-beautify/js/lib/beautify.js";
  const std::string source = ReadFileBytes(path);
  ASSERT_GT(source.size(), 100000u);

  ScriptError error;
  const std::string formatted =
      BytesToEditorUtf8(RunFormatter(EditorUtf8ToBytes(source), false, &error));
  ASSERT_EQ(error.Number, "0") << error.Description;
  std::string minified =
      BytesToEditorUtf8(RunFormatter(EditorUtf8ToBytes(source), true, &error));
  ASSERT_EQ(error.Number, "0") << error.Description;
  ASSERT_EQ(minified.front(), '\n');
  minified.erase(0, 1);

  const ProgramOutcome format = Bramble({"format", path});
  EXPECT_EQ(format.status, 0) << format.err;
  EXPECT_TRUE(format.out == formatted);
  const ProgramOutcome minify = Bramble({"minify"}, source);
  EXPECT_EQ(minify.status, 0) << minify.err;
  EXPECT_TRUE(minify.out == minified);

  const ProgramOutcome pack = Bramble({"pack", path});
  ASSERT_EQ(pack.status, 0) << pack.err;
  const ProgramOutcome unpack = Bramble({"unpack"}, pack.out);
  EXPECT_EQ(unpack.status, 0) << unpack.err;
  EXPECT_TRUE(unpack.out == source);
}

TEST(BrambleCliTest, AScriptErrorGoesToStandardErrorWithItsPlace) {
  struct ErrorCase {
    std::string command, input, message;
  };
  const std::vector<ErrorCase> cases = {
      // The place is in the input for unpack, which evaluates it.
      {"unpack", "var x = 1;\nx +;",
       "bramble: unpack: script error at line 2, column 3: expected "
       "expression, got ';'\n    x +;\n"},
      {"unpack", "undefinedName.f()",
       "bramble: unpack: script error at line 1, column 0: undefinedName is "
       "not defined\n"},
      // Elsewhere it is in the transform's own script.
      {"minify", "var s = \"abc", "unterminated string literal: -1\n"},
      {"minify", "var s = \"abc\ndef\";", "unterminated string literal: \\n\n"},
      {"minify", "a(); /* open", "Unterminated comment.\n"},
      {"minify", "x = /abc", "unterminated Regular Expression literal\n"},
      {"pack", "!!! ---", "bramble: pack: script error at line "},
      {"pack", "", "bramble: pack: script error at line "},
  };
  for (const ErrorCase& c : cases) {
    const ProgramOutcome got = Bramble({c.command}, c.input);
    EXPECT_EQ(got.status, 1) << c.input;
    EXPECT_EQ(got.out, "") << c.input;
    EXPECT_NE(got.err.find(c.message), std::string::npos)
        << c.input << ": " << got.err;
    EXPECT_NE(got.err.find(", column "), std::string::npos) << got.err;
  }
}

TEST(BrambleCliTest, InputThatCannotBeReadIsReported) {
  const TempFolder folder;
  const std::string missing = (folder.path() / "missing.js").string();
  struct InputCase {
    std::vector<std::string> args;
    std::string input, message;
  };
  const std::vector<InputCase> cases = {
      {{"format", missing}, "", missing + ": No such file or directory"},
      {{"minify", folder.path().string()}, "", "Is a directory"},
      {{"pack"},
       std::string("a\0b", 3),
       "standard input: holds a zero byte at offset 1"},
  };
  for (const InputCase& c : cases) {
    const ProgramOutcome got = Bramble(c.args, c.input);
    EXPECT_EQ(got.status, 3) << c.message;
    EXPECT_EQ(got.out, "") << c.message;
    EXPECT_NE(got.err.find(c.message), std::string::npos) << got.err;
  }
}

TEST(BrambleCliTest, CommandLineMistakesExitWithStatusTwo) {
  struct UsageCase {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<UsageCase> cases = {
      {{}, "no command given"},
      {{"beautify"}, "unknown command 'beautify'"},
      {{"Format"}, "unknown command 'Format'"},
      {{"format", "a.js", "b.js"}, "too many arguments"},
      {{"format", "--width=2"}, "unknown option '--width=2'"},
  };
  for (const UsageCase& c : cases) {
    const ProgramOutcome got = Bramble(c.args, "x=1");
    EXPECT_EQ(got.status, 2) << c.message;
    EXPECT_EQ(got.out, "") << c.message;
    EXPECT_NE(got.err.find(c.message), std::string::npos) << got.err;
    EXPECT_NE(got.err.find("bramble --help"), std::string::npos) << got.err;
  }
}

TEST(BrambleCliTest, HelpDocumentsCommandsEncodingAndExitStatuses) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h"}, {"unpack", "--help"}}) {
    const ProgramOutcome got = Bramble(args);
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.err, "");
    for (const char* topic :
         {"Usage: bramble COMMAND [FILE]", "\n  format ", "\n  minify ",
          "\n  pack ", "\n  unpack ", "UTF-8", "10 seconds", "Exit status",
          "\n  0 ", "\n  1 ", "\n  2 ", "\n  3 "}) {
      EXPECT_NE(got.out.find(topic), std::string::npos) << topic;
    }
  }
}

}  // namespace
}  // namespace bramble
