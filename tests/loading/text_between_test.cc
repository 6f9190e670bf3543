#include "loading/text_between.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/gb18030.h"

namespace bramble {
namespace {

TEST(TextBetweenTest, CutsBetweenTheMarkers) {
  struct Case {
    std::string source, start, end;
    std::optional<int> start_pos;
    bool case_sensitive;
    std::string expected;
  };
  const std::string quote = TextFromUtf8("#引号");
  const std::vector<Case> cases = {
      {"a<b>c", "<", ">", {}, false, "b"},
      {"a<>c", "<", ">", {}, false, ""},     // the markers touch
      {"abc", "<", ">", {}, false, ""},      // no start marker
      {"a<bc", "<", ">", {}, false, ""},     // no end marker after it
      {"b>a<c>", "<", ">", {}, false, "c"},  // the end is sought after the
                                             // start
      {"xSTARTyENDz", "start", "end", {}, false, "y"},
      {"xSTARTyENDz", "start", "end", {}, true, ""},
      {"xSTARTyENDz", "START", "END", {}, true, "y"},
      {"<a><b>", "<", ">", 2, false, "b"},
      {"<a><b>", "<", ">", 0, false, "a"},  // below 1: from the beginning
      {"<a><b>", "<", ">", 9, false, ""},
      {"abc", "", "c", {}, false, "ab"},
      {"abc", "a", "", {}, false, ""},
      {"say \"hi\" now", quote, quote, {}, false, "hi"},
      {"id=\"x1\" y", "id=" + quote, quote, {}, false, "x1"},
      // Only the markers spell quotes that way, not the source.
      {"a\"b" + quote + "c", "\"", quote, {}, false, ""},
      {"User-Agent: T\r\nX: y", "user-agent:", "\r\n", {}, false, " T"},
      // "D0 CE" spans the two characters of D6 D0 CE C4: never a marker.
      {"\xD6\xD0\xCE\xC4", "\xD0", "\xC4", {}, false, ""},
      {"<\xD6\xD0>", "<", ">", {}, false, "\xD6\xD0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        TextBetween(c.source, c.start, c.end, c.start_pos, c.case_sensitive),
        c.expected)
        << c.source << " from " << c.start << " to " << c.end;
  }
}

TEST(TextBetweenTest, HeaderValueIsTheTrimmedTextAfterTheFirstColon) {
  struct Case {
    std::string line, expected;
  };
  const std::vector<Case> cases = {
      {"Location: /x ", "/x"},
      {"Location:/x", "/x"},
      {"no colon", ""},
      {"a: b:c", "b:c"},
      {"Key:", ""},
      {"Key: \t v\t ", "\t v\t"},  // tabs are no blanks
      {"Key:\xA1\xA1v\xA1\xA1", "v"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HeaderValue(c.line), c.expected) << c.line;
  }
}

}  // namespace
}  // namespace bramble
