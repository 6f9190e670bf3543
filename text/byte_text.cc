#include "text/byte_text.h"

#include <algorithm>
#include <limits>

namespace bramble {
namespace {

bool IsLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsFourByteSecond(unsigned char b) { return b >= 0x30 && b <= 0x39; }

unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

bool MatchesAt(std::string_view text, size_t at, std::string_view find,
               bool ignore_case) {
  if (at + find.size() > text.size()) return false;
  if (!ignore_case) return text.compare(at, find.size(), find) == 0;
  for (size_t k = 0; k < find.size(); ++k) {
    if (FoldAscii(text[at + k]) != FoldAscii(find[k])) return false;
  }
  return true;
}

// Where the blank at `i` ends, or `i` when there is no blank there.
size_t BlankEnd(std::string_view text, size_t i) {
  if (i < text.size() && text[i] == ' ') return i + 1;
  if (i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0xA1 &&
      static_cast<unsigned char>(text[i + 1]) == 0xA1) {
    return i + 2;
  }
  return i;
}

}  // namespace

int CharWidthAt(std::string_view text, size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (!IsLead(b) || i + 1 >= text.size()) return 1;
  const auto second = static_cast<unsigned char>(text[i + 1]);
  if (IsFourByteSecond(second)) {
    if (i + 3 < text.size() &&
        IsLead(static_cast<unsigned char>(text[i + 2])) &&
        IsFourByteSecond(static_cast<unsigned char>(text[i + 3]))) {
      return 4;
    }
    return 1;
  }
  return (second >= 0x40 && second != 0x7F && second != 0xFF) ? 2 : 1;
}

std::string_view UntilNul(std::string_view bytes) {
  const size_t nul = bytes.find('\0');
  return nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
}

int InStr(std::string_view text, std::string_view find, int start,
          bool ignore_case) {
  const size_t from = start < 1 ? 0 : static_cast<size_t>(start - 1);
  if (from > text.size()) return -1;
  if (find.empty()) return static_cast<int>(from) + 1;
  for (size_t i = 0; i + find.size() <= text.size();
       i += CharWidthAt(text, i)) {
    if (i >= from && MatchesAt(text, i, find, ignore_case)) {
      return static_cast<int>(i) + 1;
    }
  }
  return -1;
}

int InStrRev(std::string_view text, std::string_view find, int start,
             bool ignore_case) {
  size_t limit = text.size();
  if (start > 0) limit = std::min(limit, static_cast<size_t>(start - 1));
  if (find.empty()) return static_cast<int>(limit) + 1;
  int found = -1;
  for (size_t i = 0; i + find.size() <= limit; i += CharWidthAt(text, i)) {
    if (MatchesAt(text, i, find, ignore_case)) found = static_cast<int>(i) + 1;
  }
  return found;
}

std::string Left(std::string_view text, int count) {
  if (count <= 0) return {};
  return std::string(text.substr(0, static_cast<size_t>(count)));
}

std::string Right(std::string_view text, int count) {
  if (count <= 0) return {};
  const size_t n = std::min(text.size(), static_cast<size_t>(count));
  return std::string(text.substr(text.size() - n));
}

std::string Mid(std::string_view text, int start, int count) {
  if (start < 1 || static_cast<size_t>(start) > text.size() || count == 0) {
    return {};
  }
  const size_t from = static_cast<size_t>(start - 1);
  if (count < 0) return std::string(text.substr(from));
  return std::string(text.substr(from, static_cast<size_t>(count)));
}

std::vector<std::string> Split(std::string_view text,
                               std::string_view separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  if (separator.empty()) return {std::string(text)};
  size_t piece_start = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (MatchesAt(text, i, separator, false)) {
      parts.emplace_back(text.substr(piece_start, i - piece_start));
      i += separator.size();
      piece_start = i;
    } else {
      i += CharWidthAt(text, i);
    }
  }
  if (piece_start < text.size()) parts.emplace_back(text.substr(piece_start));
  return parts;
}

std::string Replace(std::string_view text, std::string_view find,
                    std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (MatchesAt(text, i, find, false)) {
      out.append(replacement);
      i += find.size();
    } else {
      const int width = CharWidthAt(text, i);
      out.append(text.substr(i, width));
      i += width;
    }
  }
  return out;
}

std::string Trim(std::string_view text) {
  size_t begin = 0;
  for (size_t next; (next = BlankEnd(text, begin)) != begin;) begin = next;
  // Walk forward to find the last non-blank character, so that a trailing
  // A1 A1 is only taken where it is a whole character.
  size_t end = begin;
  size_t i = begin;
  while (i < text.size()) {
    const size_t blank_end = BlankEnd(text, i);
    if (blank_end != i) {
      i = blank_end;
    } else {
      i += CharWidthAt(text, i);
      end = i;
    }
  }
  return std::string(text.substr(begin, end - begin));
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t blank_end = BlankEnd(text, i);
    if (blank_end != i) {
      i = blank_end;
      continue;
    }
    const int width = CharWidthAt(text, i);
    out.append(text.substr(i, width));
    i += width;
  }
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(FoldAscii(c));
  return out;
}

int64_t IntegerValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value > (kMax - digit) / 10) {
      return negative ? std::numeric_limits<int64_t>::min() : kMax;
    }
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

std::string Blanks(int n) {
  return n <= 0 ? std::string() : std::string(n, ' ');
}

std::string ZeroBytes(int n) {
  return n <= 0 ? std::string() : std::string(n, '\0');
}

}  // namespace bramble
