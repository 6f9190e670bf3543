#include "loading/http_request.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <utility>

#include "loading/cookies.h"
#include "loading/curl_handle.h"
#include "loading/text_between.h"
#include "loading/url_parts.h"
#include "text/byte_text.h"

namespace bramble {
namespace {

constexpr char kDefaultAgent[] =
    "Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; Trident/5.0)";
constexpr long kConnectTimeoutSeconds = 30;
// A transfer slower than one byte a second for this long has stalled.
constexpr long kStallSeconds = 60;
constexpr long kMaxRedirects = 20;

std::mutex trust_mutex;
std::string trusted_certificates;  // empty: the system's store

std::string TrustedCertificates() {
  std::lock_guard<std::mutex> lock(trust_mutex);
  return trusted_certificates;
}

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string DefaultHeaderBlock(std::string_view url) {
  std::string block = "Referer: ";
  block += url;
  block += "\r\nAccept: */*";
  block += "\r\nAccept-Language: zh-cn";
  block += "\r\nUser-Agent: ";
  block += kDefaultAgent;
  block += "\r\nContent-Type: application/x-www-form-urlencoded";
  return block;
}

// The agent named by a User-Agent line of the caller's headers, if any.
std::string AgentFrom(std::string_view headers) {
  if (InStr(headers, "User-Agent:", 1, /*ignore_case=*/true) == -1) {
    return kDefaultAgent;
  }
  std::string agent = Trim(TextBetween(headers, "User-Agent:", "\r\n"));
  if (agent.empty()) agent = HeaderValue(headers);
  return agent;
}

// The text up to the first CR or LF: a header value must stay on its line.
std::string OneLine(std::string_view text) {
  return std::string(text.substr(0, text.find_first_of("\r\n")));
}

// Bytes a URL cannot carry as they are travel as %XX.
void AppendEscaped(std::string_view path, std::string& out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : path) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F) {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 0xF];
    } else {
      out += c;
    }
  }
}

struct Plan {
  std::string address;  // what libcurl is asked for
  bool secure = false;
  std::string agent;
  std::string header_block;
  bool send_body = false;
  bool post = false;
  std::string body;
  bool follow = true;
  std::string proxy;  // empty: none
};

// The scheme, host, port and path that `url` names. The port 0 stands for
// the scheme's own port.
bool PlanAddress(std::string_view url, Plan& plan, std::string& error) {
  plan.secure = LowerAscii(Left(url, 5)) == "https";
  const int64_t port = UrlPort(url);
  if (port < 0 || port > 65535) {
    error = "Port number out of range: " + std::to_string(port);
    return false;
  }
  plan.address = plan.secure ? "https://" : "http://";
  plan.address += UrlHost(url);
  if (port != 0) plan.address += ":" + std::to_string(port);
  AppendEscaped(UrlPath(url), plan.address);
  return true;
}

struct Received {
  std::string body;
  std::string header_block;  // of the latest response
  bool block_complete = false;
  const std::atomic<bool>* cancel = nullptr;
  bool cancelled = false;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  static_cast<Received*>(user)->body.append(data, size * count);
  return size * count;
}

// Keeps the header block of the latest response (after redirections and
// interim answers), each line ending in CR LF. Trailer lines after the blank
// line are no part of it.
size_t OnHeaderLine(char* data, size_t size, size_t count, void* user) {
  auto* received = static_cast<Received*>(user);
  std::string_view line(data, size * count);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
    line.remove_suffix(1);
  }
  const bool status_line = line.substr(0, 5) == "HTTP/";
  if (status_line &&
      (received->block_complete || received->header_block.empty())) {
    received->header_block.clear();
    received->block_complete = false;
  } else if (received->block_complete) {
    return size * count;
  }
  received->header_block.append(line);
  received->header_block += "\r\n";
  if (line.empty()) received->block_complete = true;
  return size * count;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto* received = static_cast<Received*>(user);
  if (received->cancel != nullptr && received->cancel->load()) {
    received->cancelled = true;
    return 1;
  }
  return 0;
}

// Sets the options of one transfer; false when libcurl refuses one.
bool Configure(CURL* easy, const Plan& plan, const curl_slist* lines,
               Received& received, char* error_buffer) {
  CURLcode rc = CURLE_OK;
  auto set = [&](CURLoption option, auto value) {
    if (rc == CURLE_OK) rc = curl_easy_setopt(easy, option, value);
  };
  set(CURLOPT_ERRORBUFFER, error_buffer);
  set(CURLOPT_NOSIGNAL, 1L);
  set(CURLOPT_URL, plan.address.c_str());
  set(CURLOPT_PROTOCOLS_STR, "http,https");
  set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  set(CURLOPT_USERAGENT, plan.agent.c_str());
  set(CURLOPT_HTTPHEADER, lines);
  set(CURLOPT_FOLLOWLOCATION, plan.follow ? 1L : 0L);
  set(CURLOPT_MAXREDIRS, kMaxRedirects);
  // "" also keeps libcurl from taking a proxy from the environment.
  set(CURLOPT_PROXY, plan.proxy.c_str());
  set(CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
  set(CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  set(CURLOPT_LOW_SPEED_LIMIT, 1L);
  set(CURLOPT_LOW_SPEED_TIME, kStallSeconds);
  set(CURLOPT_SSL_VERIFYPEER, 1L);
  set(CURLOPT_SSL_VERIFYHOST, 2L);
  const std::string certificates = TrustedCertificates();
  if (!certificates.empty()) {
    set(CURLOPT_CAINFO, certificates.c_str());  // libcurl copies it
    set(CURLOPT_CAPATH, static_cast<const char*>(nullptr));
  }
  if (plan.send_body) {
    set(CURLOPT_POST, 1L);
    set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(plan.body.size()));
    set(CURLOPT_POSTFIELDS, plan.body.data());
    if (!plan.post) set(CURLOPT_CUSTOMREQUEST, "GET");
  } else {
    set(CURLOPT_HTTPGET, 1L);
  }
  set(CURLOPT_WRITEFUNCTION, &OnBody);
  set(CURLOPT_WRITEDATA, static_cast<void*>(&received));
  set(CURLOPT_HEADERFUNCTION, &OnHeaderLine);
  set(CURLOPT_HEADERDATA, static_cast<void*>(&received));
  set(CURLOPT_XFERINFOFUNCTION, &OnProgress);
  set(CURLOPT_XFERINFODATA, static_cast<void*>(&received));
  set(CURLOPT_NOPROGRESS, 0L);
  if (rc != CURLE_OK)
    std::snprintf(error_buffer, CURL_ERROR_SIZE, "%s", curl_easy_strerror(rc));
  return rc == CURLE_OK;
}

// Runs the transfer; on failure says why in `error`.
bool Transfer(const Plan& plan, Received& received, std::string& error) {
  InitCurlOnce();
  CurlEasy easy(curl_easy_init());
  if (!easy) {
    error = "Cannot start a transfer";
    return false;
  }
  CurlList lines;
  bool listed = true;
  // Lines end at CR LF; a lone CR or LF ends one as well, so that no line
  // reaches the server with a line break inside.
  std::string_view rest = plan.header_block;
  while (!rest.empty()) {
    const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
    const std::string line(rest.substr(0, end));
    if (!line.empty()) listed = listed && lines.Append(line.c_str());
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  // No "Expect: 100-continue" before a body: send it at once.
  listed = listed && lines.Append("Expect:");
  char error_buffer[CURL_ERROR_SIZE] = {};
  if (!listed ||
      !Configure(easy.get(), plan, lines.get(), received, error_buffer)) {
    error = listed ? error_buffer : "Out of memory";
    return false;
  }
  const CURLcode rc = curl_easy_perform(easy.get());
  if (rc == CURLE_OK) return true;
  if (received.cancelled) {
    error = "Transfer cancelled";
  } else {
    error = error_buffer[0] != '\0' ? error_buffer : curl_easy_strerror(rc);
  }
  return false;
}

// The Location and Set-Cookie lines of a raw header block.
void ReadResponseLines(const std::string& raw, std::string& location,
                       std::string& set_cookies) {
  set_cookies.clear();
  for (const std::string& line : Split(raw, "\r\n")) {
    if (InStr(line, "Location:") != -1) location = HeaderValue(line);
    if (InStr(line, "Set-Cookie") != -1) {
      set_cookies += Trim(TextBetween(line, "Set-Cookie:", ";"));
      set_cookies += "; ";
    }
  }
  if (location.empty()) location = raw;
}

void WriteBack(std::string* target, std::string&& value) {
  if (target != nullptr) *target = std::move(value);
}

}  // namespace

std::string HttpRequest(std::string_view url, std::optional<int> method,
                        std::optional<std::string_view> postText,
                        std::string* cookies, std::string* setCookies,
                        std::string* headers, std::string* location,
                        std::optional<bool> noRedirect, std::string* postData,
                        std::optional<std::string_view> proxy,
                        std::string* rawHeaders, TransferControl* control) {
  TransferControl ignored;
  TransferControl& report = control != nullptr ? *control : ignored;
  report.failed = false;
  report.error.clear();

  Plan plan;
  if (!PlanAddress(url, plan, report.error)) {
    report.failed = true;
    return {};
  }
  const int verb = method.value_or(0);
  plan.post = verb == 1;
  plan.send_body = verb != 0;
  plan.follow = !noRedirect.value_or(false);
  std::string cookie_text = cookies != nullptr ? *cookies : std::string();
  plan.header_block = headers != nullptr ? *headers : std::string();
  plan.agent = OneLine(AgentFrom(plan.header_block));
  if (plan.header_block.empty()) plan.header_block = DefaultHeaderBlock(url);
  if (!cookie_text.empty()) plan.header_block += "\r\nCookie: " + cookie_text;
  if (plan.send_body) {
    plan.body = postData != nullptr && !postData->empty()
                    ? *postData
                    : std::string(postText.value_or(""));
  }
  // An HTTP proxy serves http addresses only; https ones go out directly.
  if (proxy.has_value() && !plan.secure) plan.proxy = *proxy;

  Received received;
  received.cancel = report.cancel;
  if (!Transfer(plan, received, report.error)) {
    report.failed = true;
    return {};
  }

  std::string location_text = location != nullptr ? *location : std::string();
  std::string set_cookie_text;
  ReadResponseLines(received.header_block, location_text, set_cookie_text);
  MergeCookies(cookie_text, set_cookie_text);
  WriteBack(headers, std::move(plan.header_block));
  if (plan.send_body) WriteBack(postData, std::move(plan.body));
  WriteBack(rawHeaders, std::move(received.header_block));
  WriteBack(setCookies, std::move(set_cookie_text));
  WriteBack(location, std::move(location_text));
  WriteBack(cookies, std::move(cookie_text));
  return std::move(received.body);
}

void SetTrustedCertificatesForTesting(std::string pem_file) {
  std::lock_guard<std::mutex> lock(trust_mutex);
  trusted_certificates = std::move(pem_file);
}

}  // namespace bramble
