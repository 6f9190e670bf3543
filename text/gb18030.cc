#include "text/gb18030.h"

#include <unicode/ucnv.h>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "text/utf8.h"

namespace bramble {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kTrailCount = 0xFF - 0x40;      // trail bytes 40..FE
constexpr int kFourByteBmpCount = 4 * 12600;  // leads 81..84
constexpr int32_t kNone = -1;

// Tables for the whole Basic Multilingual Plane, built once from ICU's
// GB18030 converter. Supplementary characters map linearly and need none.
// The decode tables are derived from the encode table, so every byte
// sequence they accept encodes back to exactly the same bytes.
struct Tables {
  std::array<uint32_t, 0x10000> encoded{};  // bytes, most significant first
  std::array<uint8_t, 0x10000> encoded_length{};
  std::vector<int32_t> two_byte =
      std::vector<int32_t>(0x7E * kTrailCount, kNone);
  std::vector<int32_t> four_byte =
      std::vector<int32_t>(kFourByteBmpCount, kNone);
};

int FourByteIndex(unsigned b1, unsigned b2, unsigned b3, unsigned b4) {
  return (((static_cast<int>(b1) - 0x81) * 10 + (b2 - 0x30)) * 126 +
          (b3 - 0x81)) *
             10 +
         (b4 - 0x30);
}

std::unique_ptr<Tables> BuildTables() {
  auto tables = std::make_unique<Tables>();
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open("gb18030", &status);
  if (U_FAILURE(status)) return tables;
  ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr,
                        nullptr, &status);
  for (char32_t cp = 0; cp < 0x10000; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const UChar unit = static_cast<UChar>(cp);
    char bytes[8];
    status = U_ZERO_ERROR;
    const int32_t n =
        ucnv_fromUChars(converter, bytes, sizeof bytes, &unit, 1, &status);
    if (U_FAILURE(status) || (n != 1 && n != 2 && n != 4)) continue;
    uint32_t packed = 0;
    for (int k = 0; k < n; ++k) {
      packed = (packed << 8) | static_cast<unsigned char>(bytes[k]);
    }
    tables->encoded[cp] = packed;
    tables->encoded_length[cp] = static_cast<uint8_t>(n);
    const auto* u = reinterpret_cast<const unsigned char*>(bytes);
    if (n == 2 && u[0] >= 0x81 && u[1] >= 0x40) {
      int32_t& slot =
          tables->two_byte[(u[0] - 0x81) * kTrailCount + (u[1] - 0x40)];
      if (slot == kNone) slot = static_cast<int32_t>(cp);
    } else if (n == 4 && u[0] <= 0x84) {
      int32_t& slot = tables->four_byte[FourByteIndex(u[0], u[1], u[2], u[3])];
      if (slot == kNone) slot = static_cast<int32_t>(cp);
    }
  }
  ucnv_close(converter);
  return tables;
}

const Tables& GetTables() {
  static std::once_flag once;
  static std::unique_ptr<Tables> tables;
  std::call_once(once, [] { tables = BuildTables(); });
  return *tables;
}

bool InRange(unsigned char b, unsigned lo, unsigned hi) {
  return b >= lo && b <= hi;
}

void AppendUtf16(char32_t cp, std::u16string& out) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

}  // namespace

DecodedChar DecodeGb18030(std::string_view bytes, size_t at) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  const unsigned char b1 = s[at];
  if (b1 < 0x80) return {b1, 1, false};
  const DecodedChar raw{b1, 1, true};
  if (!InRange(b1, 0x81, 0xFE) || at + 1 >= n) return raw;
  const unsigned char b2 = s[at + 1];
  if (InRange(b2, 0x30, 0x39)) {
    if (at + 3 >= n || !InRange(s[at + 2], 0x81, 0xFE) ||
        !InRange(s[at + 3], 0x30, 0x39)) {
      return raw;
    }
    const unsigned char b3 = s[at + 2];
    const unsigned char b4 = s[at + 3];
    if (b1 <= 0x84) {
      const int32_t cp = GetTables().four_byte[FourByteIndex(b1, b2, b3, b4)];
      return cp == kNone ? raw
                         : DecodedChar{static_cast<char32_t>(cp), 4, false};
    }
    if (b1 >= 0x90 && b1 <= 0xE3) {
      const char32_t cp = 0x10000 + static_cast<char32_t>(
                                        FourByteIndex(b1, b2, b3, b4) -
                                        FourByteIndex(0x90, 0x30, 0x81, 0x30));
      if (cp <= 0x10FFFF) return {cp, 4, false};
    }
    return raw;
  }
  if (b2 < 0x40 || b2 == 0x7F || b2 == 0xFF) return raw;
  const int32_t cp =
      GetTables().two_byte[(b1 - 0x81) * kTrailCount + (b2 - 0x40)];
  return cp == kNone ? raw : DecodedChar{static_cast<char32_t>(cp), 2, false};
}

void AppendGb18030(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
    return;
  }
  if (cp >= 0x10000) {
    if (cp > 0x10FFFF)
      cp = kReplacement;
    else {
      uint32_t index = cp - 0x10000;
      const char b4 = static_cast<char>(0x30 + index % 10);
      index /= 10;
      const char b3 = static_cast<char>(0x81 + index % 126);
      index /= 126;
      const char b2 = static_cast<char>(0x30 + index % 10);
      const char b1 = static_cast<char>(0x90 + index / 10);
      out.append({b1, b2, b3, b4});
      return;
    }
  }
  const Tables& tables = GetTables();
  if (tables.encoded_length[cp] == 0) cp = kReplacement;  // a lone surrogate
  const uint32_t packed = tables.encoded[cp];
  for (int k = tables.encoded_length[cp] - 1; k >= 0; --k) {
    out.push_back(static_cast<char>((packed >> (8 * k)) & 0xFF));
  }
}

std::u16string BytesToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const DecodedChar c = DecodeGb18030(bytes, i);
    if (c.raw) {
      out.push_back(static_cast<char16_t>(0xDC00 + c.code_point));
    } else {
      AppendUtf16(c.code_point, out);
    }
    i += c.length;
  }
  return out;
}

std::string Utf16ToBytes(std::u16string_view units) {
  std::string out;
  out.reserve(units.size() * 2);
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() &&
        units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      AppendGb18030(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00),
                    out);
      ++i;
    } else if (u >= 0xDC80 && u <= 0xDCFF) {
      out.push_back(static_cast<char>(u - 0xDC00));  // a kept raw byte
    } else {
      AppendGb18030(u, out);
    }
  }
  return out;
}

std::string BytesToEditorUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (size_t i = 0; i < bytes.size();) {
    const DecodedChar c = DecodeGb18030(bytes, i);
    if (c.raw) {
      out.push_back(static_cast<char>(c.code_point));
    } else {
      AppendUtf8(c.code_point, out);
    }
    i += c.length;
  }
  return out;
}

std::string EditorUtf8ToBytes(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp;
    const int length = DecodeUtf8(utf8, i, cp);
    if (length == 0) {
      out.push_back(utf8[i]);  // not UTF-8: the byte itself
      ++i;
    } else {
      AppendGb18030(cp, out);
      i += length;
    }
  }
  return out;
}

}  // namespace bramble
