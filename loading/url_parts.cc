#include "loading/url_parts.h"

#include <vector>

#include "loading/text_between.h"
#include "text/byte_text.h"

namespace bramble {
namespace {

bool BeginsWithHttps(std::string_view url) {
  return LowerAscii(Left(url, 5)) == "https";
}

}  // namespace

std::string UrlHost(std::string_view url, bool domainOnly, bool keepPort) {
  std::string lower = LowerAscii(url);
  if (Right(lower, 1) != "/") lower += "/";
  std::string host;
  if (Left(lower, 8) == "https://") {
    host = TextBetween(lower, "https://", "/");
  } else {
    if (InStr(lower, "http://") == -1) lower = "http://" + lower;
    host = TextBetween(lower, "http://", "/");
  }
  if (domainOnly) {
    const std::vector<std::string> parts = Split(host, ".");
    if (parts.size() > 1) {
      host = parts[parts.size() - 2] + "." + parts.back();
    }
  }
  if (keepPort) return host;
  const int colon = InStr(host, ":");
  return colon == -1 ? host : Left(host, colon - 1);
}

int64_t UrlPort(std::string_view url) {
  const std::string host = UrlHost(url, false, true);
  if (InStr(host, ":") != -1) {
    return IntegerValue(Mid(host, InStrRev(host, ":") + 1));
  }
  return BeginsWithHttps(url) ? 443 : 80;
}

std::string UrlPath(std::string_view url) {
  const int a = InStr(url, UrlHost(url), 1, /*ignore_case=*/true);
  const int b = InStr(url, "/", a);
  return b == -1 ? std::string("/") : Mid(url, b);
}

}  // namespace bramble
