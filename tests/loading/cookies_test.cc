#include "loading/cookies.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bramble {
namespace {

TEST(CookiesTest, MergeCookies) {
  struct Case {
    std::string cookies, set_cookies;  // as given
    std::string merged, set_after;     // as handed back
  };
  const std::vector<Case> cases = {
      // The worked example: a changed value, a deletion, a repeat, a new one.
      {"sid=1; lang=en; theme=dark", "lang=fr; sid=1; theme=deleted; uid=7; ",
       "sid=1; lang=fr; uid=7; ", "lang=fr;sid=1;theme=deleted;uid=7;"},
      {"", "", "", ""},
      {"", "a=1; ", "a=1; ", "a=1;"},
      {"a=1", "", "a=1; ", ""},
      // A deletion of a cookie never kept is dropped as well.
      {"a=1", "b=deleted; ", "a=1; ", "b=deleted;"},
      // Names are compared exactly.
      {"SID=1", "sid=2; ", "SID=1; sid=2; ", "sid=2;"},
      // Only the first new entry of a name takes part.
      {"a=1", "a=2; a=3; ", "a=2; a=3; ", "a=2;a=3;"},
      // Only the first old entry of a name is updated.
      {"a=1; a=1", "a=2; ", "a=2; a=1; ", "a=2;"},
      // Same name and value: both are written, and the repeat is dropped.
      {"a=1", "a=1; ", "a=1; ", "a=1;"},
      {"a=1;;b=2", "", "a=1; ; b=2; ", ""},  // an empty entry survives
      {"a=hello world", "", "a=helloworld; ", ""},
      {"a=1\xA1\xA1; b=2", "", "a=1; b=2; ", ""},  // the double-byte blank
      {"a=\t1", "", "a=\t1; ", ""},                // tabs stay
      {"a=x=y", "a=z", "a=z; ", "a=z;"},           // the value holds "="
      // Entries without "=" have equal empty names and values.
      {"abc", "def", "abc; def; ", "def;"},
      {"abc", "abc", "abc; ", "abc;"},
      // "=deleted" takes the last eight bytes exactly; shorter entries stay.
      {"x=deleted;=deleted;deleted;a=DELETED", "", "deleted; a=DELETED; ", ""},
  };
  for (const Case& c : cases) {
    std::string cookies = c.cookies;
    std::string set_cookies = c.set_cookies;
    const std::string result = MergeCookies(cookies, set_cookies);
    EXPECT_EQ(cookies, c.merged) << c.cookies << " + " << c.set_cookies;
    EXPECT_EQ(result, c.merged);
    EXPECT_EQ(set_cookies, c.set_after) << c.cookies << " + " << c.set_cookies;
  }
}

TEST(CookiesTest, NameAndValue) {
  struct Case {
    std::string entry, name, value;
  };
  const std::vector<Case> cases = {
      {"a=1", "a", "1"}, {"a=x=y", "a", "x=y"}, {"abc", "", ""},
      {"=v", "", "v"},   {"a=", "a", ""},       {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CookieName(c.entry), c.name) << c.entry;
    EXPECT_EQ(CookieValue(c.entry), c.value) << c.entry;
  }
}

TEST(CookiesTest, DedupEntriesKeepsFirstAppearances) {
  struct Case {
    std::string text, separator, expected;
  };
  const std::vector<Case> cases = {
      {"a; b; a; ", "; ", "a; b; "},
      {"b; a; b; a", "; ", "b; a; "},
      {"a", "; ", "a; "},
      {"", "; ", ""},
      {"a,,a,", ",", "a,,"},
      {"; ; ", "; ", "; "},  // two empty parts are one
      {"A; a; ", "; ", "A; a; "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DedupEntries(c.text, c.separator), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace bramble
