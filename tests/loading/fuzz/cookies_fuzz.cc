// MergeCookies, CookieName, CookieValue and DedupEntries on any bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "loading/cookies.h"
#include "tests/loading/fuzz/fuzz_check.h"
#include "text/byte_text.h"

namespace bramble {
namespace {

bool Unique(const std::vector<std::string>& parts) {
  for (size_t i = 0; i < parts.size(); ++i) {
    if (std::count(parts.begin(), parts.end(), parts[i]) != 1) return false;
  }
  return true;
}

// The kept text: entries without blanks, none deleted, none twice, each
// followed by "; ".
void CheckMerge(const std::string& cookies_in, const std::string& set_in) {
  std::string cookies = cookies_in;
  std::string set_cookies = set_in;
  const std::string result = MergeCookies(cookies, set_cookies);
  FUZZ_CHECK(result == cookies);
  FUZZ_CHECK(cookies.empty() || Right(cookies, 2) == "; ");
  const std::vector<std::string> entries = Split(cookies, "; ");
  for (const std::string& entry : entries) {
    FUZZ_CHECK(entry.find(' ') == std::string::npos);
    FUZZ_CHECK(entry.size() < 8 || Right(entry, 8) != "=deleted");
  }
  FUZZ_CHECK(Unique(entries));
  FUZZ_CHECK(set_cookies.find(' ') == std::string::npos);
  FUZZ_CHECK(set_cookies.empty() || set_cookies.back() == ';');
}

void CheckEntry(const std::string& entry) {
  const std::string name = CookieName(entry);
  const std::string value = CookieValue(entry);
  if (InStr(entry, "=") == -1) {
    FUZZ_CHECK(name.empty() && value.empty());
  } else {
    FUZZ_CHECK(name + "=" + value == entry);
  }
}

void CheckDedup(const std::string& text, const std::string& separator) {
  const std::string deduped = DedupEntries(text, separator);
  FUZZ_CHECK(deduped.size() <= text.size() + separator.size());
  FUZZ_CHECK(Unique(Split(DedupEntries(text, "; "), "; ")));
}

}  // namespace
}  // namespace bramble

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string separator = in.ConsumeRandomLengthString(4);
  const std::string cookies = in.ConsumeRandomLengthString(256);
  const std::string set_cookies = in.ConsumeRemainingBytesAsString();
  bramble::CheckMerge(cookies, set_cookies);
  bramble::CheckEntry(cookies);
  bramble::CheckDedup(set_cookies, separator);
  return 0;
}
