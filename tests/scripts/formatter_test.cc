#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/script_host.h"
#include "scripts/run_formatter.h"
#include "scripts/script_texts.h"

namespace bramble {
namespace {

struct Case {
  std::string input;
  std::string expected;
};

std::string Minify(const std::string& text) { return RunFormatter(text, true); }

TEST(FormatterTest, MinifiesToJsminsLevelTwoShape) {
  const std::vector<Case> cases = {
      {"", ""},
      {"  \t /* c */ // x\n  \r\n", ""},
      {"var a = 1;", "\nvar a=1;"},
      {"!function () { return 1 }()", "!function(){return 1}()"},
      {";x", ";x"},
      {"'s' + t", "'s'+t"},
      {"a = 1;\r\nb = 2;\r\n", "\na=1;b=2;"},
      {"x = a / b", "\nx=a/b"},
      {"s = 'a\tb'", "\ns='a b'"},
      {"f()\ng()", "\nf()\ng()"},
      {"if (a) {\n  b();\n}\nc();", "\nif(a){b();}\nc();"},
      {"x = / a  b /g", "\nx=/ a  b /g"},
      {"a + +b", "\na+ +b"},
      // Template literals are copied exactly, nested ones included.
      {"var s = `a  b\n\tc`;\nf()", "\nvar s=`a  b\n\tc`;f()"},
      {"x = `a${ `b${ `c  ${d}` }` }e`  ;", "\nx=`a${ `b${ `c  ${d}` }` }e`;"},
      {"x = `${ /* ` } */ 1 // `}\n }`", "\nx=`${ /* ` } */ 1 // `}\n }`"},
  };
  for (const Case& c : cases) {
    ScriptError error;
    EXPECT_EQ(RunFormatter(c.input, true, &error), c.expected) << c.input;
    EXPECT_EQ(error.Number, "0") << c.input;
  }
}

TEST(FormatterTest, UnterminatedLiteralsFailWithTheirMessage) {
  const std::vector<Case> cases = {
      {"'abc", "Error: unterminated string literal: -1"},
      {"a /* x", "Error: Unterminated comment."},
      {"x = /ab", "Error: unterminated Regular Expression literal"},
      {"x = `abc", "Error: unterminated template literal"},
  };
  for (const Case& c : cases) {
    ScriptError error;
    EXPECT_EQ(RunFormatter(c.input, true, &error), "") << c.input;
    EXPECT_NE(error.Number, "0");
    EXPECT_NE(error.Description.find(c.expected), std::string::npos)
        << error.Description;
  }
}

TEST(FormatterTest, BeautifiesWithTheDefaults) {
  const std::vector<Case> cases = {
      {"", ""},
      {"var a=1;\r\nvar b=2;\r\n", "var a = 1;\nvar b = 2;"},
      {"if(x){y()}else{z()}", "if (x) {\n    y()\n} else {\n    z()\n}"},
      {"a();\n\n\n\n\nb();", "a();\n\n\n\n\nb();"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunFormatter(c.input), c.expected) << c.input;
  }
  // No cap on runs of empty lines.
  const std::string many = "a();" + std::string(40000, '\n') + "b();";
  EXPECT_EQ(RunFormatter(many), many);
}

TEST(FormatterTest, LibraryDefinesOnlyItsEntriesAndLeavesHostsApart) {
  ScriptHost host;
  host.Init();
  const std::string before =
      host.Eval("Object.getOwnPropertyNames(this).join()");
  host.ExecuteStatement(FormatterLibrary());
  ASSERT_EQ(host.GetError().Number, "0") << host.GetError().Description;
  EXPECT_EQ(host.Eval("Object.getOwnPropertyNames(this).filter(function (n) {"
                      " return ('," +
                      before +
                      ",').indexOf(',' + n + ',') < 0;"
                      "}).sort().join()"),
            "js_beautify,jsmin,ysjs");
  EXPECT_EQ(host.Eval("'abc'.has('b') && !'abc'.has('d')"), "true");
  // A format call leaves the caller's host untouched.
  host.ExecuteStatement("var mine = 5;");
  EXPECT_EQ(Minify("var a = 1;"), "\nvar a=1;");
  EXPECT_EQ(host.Eval("mine"), "5");
  host.Destroy();
}

}  // namespace
}  // namespace bramble
