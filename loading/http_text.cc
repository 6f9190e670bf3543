#include "loading/http_text.h"

#include "loading/encoding.h"
#include "text/byte_text.h"

namespace bramble {

std::string HttpRequestText(std::string_view url, std::optional<int> method,
                            std::optional<std::string_view> postText,
                            std::string* cookies, std::string* setCookies,
                            std::string* headers, std::string* location,
                            std::optional<bool> noRedirect,
                            std::string* postData,
                            std::optional<std::string_view> proxy,
                            std::string* rawHeaders, TransferControl* control) {
  const std::string body =
      HttpRequest(url, method, postText, cookies, setCookies, headers, location,
                  noRedirect, postData, proxy, rawHeaders, control);
  return std::string(UntilNul(body));
}

std::string HttpRequestUtf8(std::string_view url, std::optional<int> method,
                            std::optional<std::string_view> postText,
                            std::string* cookies, std::string* setCookies,
                            std::string* headers, std::string* location,
                            std::optional<bool> noRedirect,
                            std::string* postData,
                            std::optional<std::string_view> proxy,
                            std::string* rawHeaders, TransferControl* control) {
  return Utf8ToAnsi(HttpRequest(url, method, postText, cookies, setCookies,
                                headers, location, noRedirect, postData, proxy,
                                rawHeaders, control));
}

}  // namespace bramble
