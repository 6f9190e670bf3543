// TextBetween, HeaderValue and the URL parts on any bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "loading/text_between.h"
#include "loading/url_parts.h"
#include "tests/loading/fuzz/fuzz_check.h"

namespace bramble {
namespace {

bool HasUpperAscii(const std::string& text) {
  for (const char c : text) {
    if (c >= 'A' && c <= 'Z') return true;
  }
  return false;
}

void CheckTextBetween(FuzzedDataProvider& in, const std::string& source) {
  const std::string start = in.ConsumeRandomLengthString(12);
  const std::string end = in.ConsumeRandomLengthString(12);
  std::optional<int> start_pos;
  if (in.ConsumeBool()) start_pos = in.ConsumeIntegralInRange(-3, 300);
  const bool case_sensitive = in.ConsumeBool();
  const std::string between =
      TextBetween(source, start, end, start_pos, case_sensitive);
  FUZZ_CHECK(source.find(between) != std::string::npos);
}

void CheckHeaderValue(const std::string& line) {
  const std::string value = HeaderValue(line);
  FUZZ_CHECK(line.find(value) != std::string::npos);
  FUZZ_CHECK(value.empty() || (value.front() != ' ' && value.back() != ' '));
}

void CheckUrlParts(const std::string& url, bool domain_only, bool keep_port) {
  const std::string host = UrlHost(url, domain_only, keep_port);
  FUZZ_CHECK(host.find('/') == std::string::npos);
  FUZZ_CHECK(!HasUpperAscii(host));
  FUZZ_CHECK(keep_port || host.find(':') == std::string::npos);
  UrlPort(url);
  const std::string path = UrlPath(url);
  FUZZ_CHECK(!path.empty() && path.front() == '/');
}

}  // namespace
}  // namespace bramble

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool domain_only = in.ConsumeBool();
  const bool keep_port = in.ConsumeBool();
  const std::string source = in.ConsumeRandomLengthString(512);
  bramble::CheckHeaderValue(source);
  bramble::CheckUrlParts(source, domain_only, keep_port);
  bramble::CheckTextBetween(in, source);
  return 0;
}
