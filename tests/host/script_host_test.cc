#include "host/script_host.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "text/gb18030.h"

namespace bramble {
namespace {

class ScriptHostTest : public ::testing::Test {
 protected:
  void SetUp() override { host_.Init(); }
  void TearDown() override { host_.Destroy(); }
  ScriptHost host_;
};

TEST_F(ScriptHostTest, NamespacePersistsAndNumberIsZeroAfterSuccess) {
  host_.ExecuteStatement("var x = 40; function add(a, b) { return a + b; }");
  EXPECT_EQ(host_.GetError().Number, "0");
  EXPECT_EQ(host_.Eval("add(x, 2)"), "42");
  EXPECT_EQ(host_.Eval("x / 8"), "5");
  EXPECT_EQ(host_.Eval("[1, 'b']"), "1,b");
  EXPECT_EQ(host_.Eval("undefined"), "");
  EXPECT_EQ(host_.Eval("null"), "");
  EXPECT_EQ(host_.Eval("`t${x}`"), "t40");  // modern syntax works
  EXPECT_EQ(host_.GetError().Number, "0");
}

TEST_F(ScriptHostTest, EachHostHasItsOwnGlobal) {
  host_.ExecuteStatement("var mine = 1;");
  ScriptHost other;
  other.Init();
  EXPECT_EQ(other.Eval("typeof mine"), "undefined");
  other.ExecuteStatement("var mine = 2;");
  other.Destroy();
  EXPECT_EQ(host_.Eval("mine"), "1");
  auto copy = host_.Copy();
  EXPECT_EQ(copy->Eval("mine"), "1");  // a copy shares the namespace
}

TEST_F(ScriptHostTest, ScriptsFindNoHostObjects) {
  for (const char* name : {"print", "load", "read", "readline", "os", "system",
                           "require", "process", "XMLHttpRequest", "fetch",
                           "window", "document", "quit", "snarf"}) {
    EXPECT_EQ(host_.Eval(std::string("typeof ") + name), "undefined") << name;
  }
  EXPECT_EQ(host_.Eval("typeof JSON.parse"), "function");
}

struct ErrorCase {
  const char* code;
  std::string line, column, source, description;
  bool has_text;
};

TEST_F(ScriptHostTest, ErrorsGiveLineColumnInCharactersAndKind) {
  const std::vector<ErrorCase> cases = {
      // Syntax error: the engine's column is 0-based already.
      {"var y = 1;\n  var z = ;", "2", "10", "SyntaxError",
       "expected expression, got ';'", true},
      // Run-time error: 1-based in the engine, 0-based here.
      {"var q = 1;\n    foo.bar();", "2", "4", "ReferenceError",
       "foo is not defined", false},
      {"throw 'Error: Unterminated comment.'", "1", "0", "uncaught exception",
       "uncaught exception: Error: Unterminated comment.", false},
      {"\r\nnull.x", "2", "0", "TypeError", "null has no properties", false},
      // Columns count characters, not bytes or UTF-16 units.
      {"var s = '\xD6\xD0\xF0\x9F\x98\x80'; s.y.z;", "1", "14", "TypeError",
       "s.y is undefined", false},
      {"'\xF0\x9F\x98\x80'; var z = ;", "1", "13", "SyntaxError",
       "expected expression, got ';'", true},
  };
  for (const ErrorCase& c : cases) {
    std::string code = c.code;
    if (code.find('\xF0') != std::string::npos) {
      // The emoji is given as UTF-8 above; the host takes code page bytes.
      code = EditorUtf8ToBytes(code);
    }
    host_.ExecuteStatement(code);
    const ScriptError e = host_.GetError();
    EXPECT_EQ(e.Line, c.line) << c.code;
    EXPECT_EQ(e.Column, c.column) << c.code;
    EXPECT_NE(e.Number, "0") << c.code;
    EXPECT_EQ(e.Source, c.source) << c.code;
    EXPECT_EQ(e.Description, c.description) << c.code;
    EXPECT_EQ(!e.Text.empty(), c.has_text) << c.code;
    // The next successful call clears the record.
    host_.ExecuteStatement("1");
    EXPECT_EQ(host_.GetError().Number, "0");
  }
}

TEST_F(ScriptHostTest, EvalAndRunFailuresGiveEmptyTextAndAnError) {
  EXPECT_EQ(host_.Eval("nosuch + 1"), "");
  EXPECT_NE(host_.GetError().Number, "0");
  EXPECT_EQ(host_.Eval("({toString() { throw new Error('no text'); }})"), "");
  EXPECT_EQ(host_.GetError().Description, "no text");
  EXPECT_EQ(host_.Run("nosuch", "a"), "");
  EXPECT_EQ(host_.GetError().Source, "TypeError");
  host_.ExecuteStatement("var notfn = 3;");
  EXPECT_EQ(host_.Run("notfn"), "");
  EXPECT_NE(host_.GetError().Number, "0");
}

TEST_F(ScriptHostTest, RunPassesFiveArguments) {
  host_.ExecuteStatement(
      "function count() { return arguments.length + ':' + "
      "Array.prototype.map.call(arguments, function (a) { return typeof a + "
      "'=' + a; }).join(','); }"
      "function one(s) { return '<' + s + '>'; }");
  EXPECT_EQ(host_.Run("one", "x"), "<x>");
  EXPECT_EQ(host_.Run("count", "x"),
            "5:string=x,string=,string=,string=,string=");
  EXPECT_EQ(host_.RunWithNumbers("count", "a", 7, -2, "d", "e"),
            "5:string=a,number=7,number=-2,string=d,string=e");
  EXPECT_EQ(host_.RunBytes("one", "\xD6\xD0"),
            std::string("<\0\x2D\x4E>\0", 6));
}

TEST_F(ScriptHostTest, TextsStopAtTheirFirstNul) {
  EXPECT_EQ(host_.Eval(std::string("1 + 2\0 + 100", 12)), "3");
  host_.ExecuteStatement("function echo(s) { return s + '|' + s.length; }");
  EXPECT_EQ(host_.Run("echo", std::string("ab\0cd", 5)), "ab|2");
  EXPECT_EQ(host_.Eval("'a\\u0000b'"), "a");
}

TEST_F(ScriptHostTest, AnyBytesSurviveATripThroughTheEngine) {
  host_.ExecuteStatement("function same(s) { return s.split('').join(''); }");
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<size_t> length(0, 64);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(length(rng), ' ');
    for (char& c : bytes) c = static_cast<char>(byte(rng));
    ASSERT_EQ(host_.Run("same", bytes), bytes);
  }
}

TEST_F(ScriptHostTest, LanguageIsJScriptAndAnythingElseIsVBScript) {
  std::string query;
  EXPECT_EQ(host_.Language(query, false), "JScript");
  std::string exact = "JScript";
  EXPECT_EQ(host_.Language(exact, true), "JScript");
  std::string lower = "jscript";
  EXPECT_EQ(host_.Language(lower, true), "VBScript");
  EXPECT_EQ(lower, "VBScript");
  EXPECT_EQ(host_.Eval("1"), "");
  const ScriptError e = host_.GetError();
  EXPECT_NE(e.Number, "0");
  EXPECT_NE(e.Description.find("VBScript"), std::string::npos);
}

TEST(ScriptHostLifecycleTest, HostsWithoutAnEngineReportInsteadOfSucceeding) {
  ScriptHost never_set_up;  // Init was never called
  never_set_up.ExecuteStatement("1");
  EXPECT_NE(never_set_up.GetError().Number, "0");
  ScriptHost destroyed;
  destroyed.Init();
  destroyed.Destroy();
  EXPECT_EQ(destroyed.Eval("1"), "");
  EXPECT_NE(destroyed.GetError().Number, "0");
  std::string language;
  EXPECT_EQ(destroyed.Language(language, false), "");
}

TEST_F(ScriptHostTest, ResetEmptiesTheNamespace) {
  host_.ExecuteStatement("var kept = 1;");
  host_.Reset();
  EXPECT_EQ(host_.Eval("typeof kept"), "undefined");
}

TEST_F(ScriptHostTest, DeepRecursionIsAnErrorNotACrash) {
  host_.ExecuteStatement("function f(n) { return f(n + 1) + 1; } f(0);");
  const ScriptError e = host_.GetError();
  EXPECT_NE(e.Number, "0");
  EXPECT_EQ(e.Description, "too much recursion");
  EXPECT_EQ(host_.Eval("6 * 7"), "42");
}

TEST_F(ScriptHostTest, MemoryHogIsStoppedAndTheHostLivesOn) {
  host_.ExecuteStatement(
      "var hog = [];\nwhile (true) hog.push(new Array(100000).fill(1));");
  const ScriptError e = host_.GetError();
  EXPECT_EQ(e.Number, FormatNumber(kErrorOutOfMemory));
  EXPECT_EQ(e.Line, "2");
  EXPECT_NE(e.Description.find("memory"), std::string::npos);
  host_.ExecuteStatement("hog = null;");
  EXPECT_EQ(host_.Eval("1 + 1"), "2");
}

TEST_F(ScriptHostTest, RunawayScriptIsStoppedAfterTenSeconds) {
  const auto start = std::chrono::steady_clock::now();
  // The script's own try/catch does not catch the stop.
  host_.ExecuteStatement(
      "var n = 0;\ntry { for (;;) { n++; } } catch (e) { n = -1; }");
  const auto took = std::chrono::steady_clock::now() - start;
  const ScriptError e = host_.GetError();
  EXPECT_EQ(e.Number, FormatNumber(kErrorTimedOut));
  EXPECT_EQ(e.Line, "2");
  EXPECT_NE(e.Description.find("10 seconds"), std::string::npos);
  EXPECT_GE(took, std::chrono::seconds(10));
  EXPECT_EQ(host_.Eval("n > 0"), "true");
}

}  // namespace
}  // namespace bramble
