// HttpRequest with the body turned into a text: the two ways the loader
// reads a download. The parameters are HttpRequest's, passed on as given.
#ifndef BRAMBLE_LOADING_HTTP_TEXT_H_
#define BRAMBLE_LOADING_HTTP_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

#include "loading/http_request.h"

namespace bramble {

// The body's bytes up to its first zero byte.
std::string HttpRequestText(
    std::string_view url, std::optional<int> method = {},
    std::optional<std::string_view> postText = {},
    std::string* cookies = nullptr, std::string* setCookies = nullptr,
    std::string* headers = nullptr, std::string* location = nullptr,
    std::optional<bool> noRedirect = {}, std::string* postData = nullptr,
    std::optional<std::string_view> proxy = {},
    std::string* rawHeaders = nullptr, TransferControl* control = nullptr);

// The body decoded from UTF-8 with Utf8ToAnsi.
std::string HttpRequestUtf8(
    std::string_view url, std::optional<int> method = {},
    std::optional<std::string_view> postText = {},
    std::string* cookies = nullptr, std::string* setCookies = nullptr,
    std::string* headers = nullptr, std::string* location = nullptr,
    std::optional<bool> noRedirect = {}, std::string* postData = nullptr,
    std::optional<std::string_view> proxy = {},
    std::string* rawHeaders = nullptr, TransferControl* control = nullptr);

}  // namespace bramble

#endif  // BRAMBLE_LOADING_HTTP_TEXT_H_
