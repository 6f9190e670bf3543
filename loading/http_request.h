// One HTTP or HTTPS request and what it hands back. Parameters keep the
// names the rest of the program knows them by. Every parameter after `url`
// may be left out (nullptr or std::nullopt); one left out acts as its empty
// value, and what would be written into an out-parameter left out is
// dropped. Only `proxy` behaves differently when supplied empty.
#ifndef BRAMBLE_LOADING_HTTP_REQUEST_H_
#define BRAMBLE_LOADING_HTTP_REQUEST_H_

#include <atomic>
#include <optional>
#include <string>
#include <string_view>

namespace bramble {

// What a caller can watch and steer of one request besides its parameters.
struct TransferControl {
  // In: when it becomes true the transfer stops soon and the request fails.
  const std::atomic<bool>* cancel = nullptr;
  // Out: whether the request failed, and why, as a text for the user.
  bool failed = false;
  std::string error;
};

// Makes the request and returns the response body, whatever its status. A
// failed request (no connection, name not found, TLS error, a stall of 60 s,
// too many redirections, cancelled) returns the empty body and leaves every
// out-parameter as it was.
//  method      1 sends "POST", any other value "GET"; a body is sent
//              whenever it is not 0.
//  postText    the body when `postData` is empty.
//  cookies     in: sent in a Cookie line when not empty; out: merged with
//              the response's cookies (see MergeCookies).
//  setCookies  out: the first pair of each Set-Cookie line of the response.
//  headers     in: request header lines separated by CR LF, a default block
//              when empty; out: the block that was sent.
//  location    out: the value of the response's last Location line; when
//              there is none and it was empty, the raw header block.
//  noRedirect  true: redirections are not followed.
//  postData    in: the body; out: the body sent.
//  proxy       an HTTP proxy for http URLs; empty means none.
//  rawHeaders  out: the final response's header block, lines ending CR LF.
std::string HttpRequest(
    std::string_view url, std::optional<int> method = {},
    std::optional<std::string_view> postText = {},
    std::string* cookies = nullptr, std::string* setCookies = nullptr,
    std::string* headers = nullptr, std::string* location = nullptr,
    std::optional<bool> noRedirect = {}, std::string* postData = nullptr,
    std::optional<std::string_view> proxy = {},
    std::string* rawHeaders = nullptr, TransferControl* control = nullptr);

// For tests only: trust the certificates in this PEM file instead of the
// system's store. The empty path returns to the system's store.
void SetTrustedCertificatesForTesting(std::string pem_file);

}  // namespace bramble

#endif  // BRAMBLE_LOADING_HTTP_REQUEST_H_
