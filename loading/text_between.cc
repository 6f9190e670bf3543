#include "loading/text_between.h"

#include "text/byte_text.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

// Markers cannot hold a double quote where they are written as literals in
// scripts, so they spell it with this word.
const std::string& QuoteMarker() {
  static const std::string marker = TextFromUtf8("#引号");
  return marker;
}

}  // namespace

std::string TextBetween(std::string_view source, std::string_view startMarker,
                        std::string_view endMarker, std::optional<int> startPos,
                        bool caseSensitive) {
  const std::string start = Replace(startMarker, QuoteMarker(), "\"");
  const std::string end = Replace(endMarker, QuoteMarker(), "\"");
  const bool ignore_case = !caseSensitive;
  int p = InStr(source, start, startPos.value_or(1), ignore_case);
  if (p != -1) p += static_cast<int>(start.size());
  const int q = InStr(source, end, p, ignore_case);
  if (p == -1 || q == -1) return {};
  return Mid(source, p, q - p);
}

std::string HeaderValue(std::string_view line) {
  const int colon = InStr(line, ":");
  if (colon == -1) return {};
  return Trim(Mid(line, colon + 1));
}

}  // namespace bramble
