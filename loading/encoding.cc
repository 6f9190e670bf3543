#include "loading/encoding.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>

#include "text/byte_text.h"
#include "text/gb18030.h"
#include "text/utf8.h"

namespace bramble {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUnit(char16_t unit, std::string& out) {
  out.push_back(static_cast<char>(unit & 0xFF));
  out.push_back(static_cast<char>(unit >> 8));
}

char16_t UnitAt(std::string_view utf16, size_t index) {
  return static_cast<char16_t>(
      static_cast<unsigned char>(utf16[2 * index]) |
      (static_cast<unsigned char>(utf16[2 * index + 1]) << 8));
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The precomposed form of `base` followed by the non-spacing `mark`, or -1.
int32_t Composed(char32_t base, char32_t mark) {
  if (u_charType(static_cast<UChar32>(mark)) != U_NON_SPACING_MARK) return -1;
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  if (U_FAILURE(status)) return -1;
  return unorm2_composePair(nfc, static_cast<UChar32>(base),
                            static_cast<UChar32>(mark));
}

}  // namespace

std::string Utf8ToUtf16(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp;
    int length = DecodeUtf8(utf8, i, cp);
    if (length == 0) {
      cp = kReplacement;
      length = Utf8InvalidLength(utf8, i);
    }
    if (cp < 0x10000) {
      AppendUnit(static_cast<char16_t>(cp), out);
    } else {
      AppendUnit(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)), out);
      AppendUnit(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), out);
    }
    i += length;
  }
  return out;
}

std::string Utf16ToAnsi(std::string_view utf16) {
  const size_t units = utf16.size() / 2;
  std::string out;
  out.reserve(units * 2);
  bool pending = false;  // a character waiting for a mark to compose with
  char32_t base = 0;
  for (size_t i = 0; i < units; ++i) {
    const char16_t u = UnitAt(utf16, i);
    char32_t cp = u;
    if (IsHighSurrogate(u) && i + 1 < units &&
        IsLowSurrogate(UnitAt(utf16, i + 1))) {
      cp = 0x10000 + ((u - 0xD800) << 10) + (UnitAt(utf16, ++i) - 0xDC00);
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      cp = kReplacement;
    }
    if (cp == 0) break;  // the text ends at its first zero byte
    if (pending) {
      const int32_t composed = Composed(base, cp);
      if (composed >= 0) {
        base = static_cast<char32_t>(composed);
        continue;
      }
      AppendGb18030(base, out);
    }
    base = cp;
    pending = true;
  }
  if (pending) AppendGb18030(base, out);
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  return Utf16ToAnsi(Utf8ToUtf16(utf8));
}

std::string AnsiToUtf16(std::string_view text) {
  text = UntilNul(text);
  if (text.empty()) return {};
  std::string out;
  const std::u16string units = BytesToUtf16(text);
  out.reserve(2 * (units.size() + 1));
  for (const char16_t unit : units) AppendUnit(unit, out);
  AppendUnit(0, out);  // the terminator is converted too
  return out;
}

std::string Utf16ToUtf8(std::string_view utf16) {
  const size_t units = utf16.size() / 2;
  std::string out;
  out.reserve(units * 3);
  for (size_t i = 0; i < units; ++i) {
    const char16_t u = UnitAt(utf16, i);
    if (IsHighSurrogate(u) && i + 1 < units &&
        IsLowSurrogate(UnitAt(utf16, i + 1))) {
      AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (UnitAt(utf16, ++i) - 0xDC00),
                 out);
    } else if (u >= 0xDC80 && u <= 0xDCFF) {
      out.push_back(static_cast<char>(u - 0xDC00));  // a text's stray byte
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(kReplacement, out);
    } else {
      AppendUtf8(u, out);
    }
  }
  return out;
}

std::string AnsiToUtf8(std::string_view text) {
  return Utf16ToUtf8(AnsiToUtf16(text));
}

}  // namespace bramble
