// Utf8ToAnsi and its two steps on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "loading/encoding.h"
#include "tests/loading/fuzz/fuzz_check.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

// A text: no zero byte, and nothing but whole GB18030 characters.
void CheckText(const std::string& text) {
  FUZZ_CHECK(text.find('\0') == std::string::npos);
  for (size_t i = 0; i < text.size();) {
    const DecodedChar c = DecodeGb18030(text, i);
    FUZZ_CHECK(!c.raw);
    i += c.length;
  }
}

}  // namespace
}  // namespace bramble

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf16 = bramble::Utf8ToUtf16(bytes);
  FUZZ_CHECK(utf16.size() % 2 == 0);
  FUZZ_CHECK(utf16.size() <= 2 * bytes.size());
  bramble::CheckText(bramble::Utf8ToAnsi(bytes));
  bramble::CheckText(bramble::Utf16ToAnsi(bytes));
  return 0;
}
