#include "loading/http_request.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "loading/http_text.h"
#include "tests/loading/local_servers.h"
#include "text/byte_text.h"

namespace bramble {
namespace {

const auto* const servers =
    ::testing::AddGlobalTestEnvironment(new LocalServers);

const std::string kDefaultAgent =
    "Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; Trident/5.0)";

std::string DefaultBlock(const std::string& url) {
  return "Referer: " + url + "\r\nAccept: */*\r\nAccept-Language: zh-cn" +
         "\r\nUser-Agent: " + kDefaultAgent +
         "\r\nContent-Type: application/x-www-form-urlencoded";
}

// A plain GET that must succeed.
std::string Get(const std::string& url, std::string* raw_headers = nullptr,
                std::string* location = nullptr) {
  TransferControl control;
  const std::string body =
      HttpRequest(url, {}, {}, nullptr, nullptr, nullptr, location, {}, nullptr,
                  {}, raw_headers, &control);
  EXPECT_FALSE(control.failed) << url << ": " << control.error;
  return body;
}

// The request line of an echoed request.
std::string RequestLine(const std::string& echo) {
  return echo.substr(0, echo.find("\r\n"));
}

TEST(HttpRequestTest, AnswersOverHttpAndHttps) {
  for (const std::string& base :
       {LocalServers::Http(), LocalServers::Https()}) {
    std::string raw;
    EXPECT_EQ(Get(base + "/hello", &raw), "hello world");
    EXPECT_EQ(raw.substr(0, 15), "HTTP/1.1 200 OK") << raw;
    EXPECT_EQ(Right(raw, 4), "\r\n\r\n");
  }
}

TEST(HttpRequestTest, TheUrlNamesHostPortAndPath) {
  const std::string port = LocalServers::Http().substr(16);  // ":PORT"
  struct Case {
    std::string url, request_line;
  };
  const std::vector<Case> cases = {
      {"127.0.0.1" + port + "/echo/a.js", "GET /echo/a.js HTTP/1.1"},
      {"HTTP://127.0.0.1" + port + "/Echo?Y=1", "GET /Echo?Y=1 HTTP/1.1"},
      {"http://127.0.0.1" + port + "/echo/a b", "GET /echo/a%20b HTTP/1.1"},
      {"HTTPS://LOCALHOST:" + std::to_string(LocalServers::HttpsPort()) +
           "/Echo?Y=1",
       "GET /Echo?Y=1 HTTP/1.1"},
  };
  for (const Case& c : cases) {
    const std::string echo = Get(c.url);
    EXPECT_EQ(RequestLine(echo), c.request_line) << c.url;
    // The Referer line carries the URL as it was given.
    EXPECT_NE(echo.find("\r\nReferer: " + c.url + "\r\n"), std::string::npos)
        << echo;
  }
}

TEST(HttpRequestTest, SendsTheDefaultHeaderBlockWithCookies) {
  const std::string url = LocalServers::Http() + "/echo";
  std::string cookies = "a=1";
  std::string headers;
  const std::string echo = HttpRequest(url, 0, {}, &cookies, nullptr, &headers);
  const std::string expected = DefaultBlock(url) + "\r\nCookie: a=1";
  EXPECT_EQ(headers, expected);
  // In this order, right after libcurl's Host line.
  EXPECT_NE(echo.find("\r\n" + expected + "\r\n\r\n"), std::string::npos)
      << echo;
  EXPECT_EQ(cookies, "a=1; ");
}

TEST(HttpRequestTest, TakesTheAgentFromTheCallersHeaders) {
  struct Case {
    std::string headers, agent;
  };
  const std::vector<Case> cases = {
      {"User-Agent: T", "T"},
      // The caller's own line is sent as it was written.
      {"Accept: x/y\r\nUser-Agent: T2 \r\nX-A: 1", "T2 "},
      // A lone LF ends a line too.
      {"X-A: 1\nUser-Agent: T4\nX-B: 2", "T4"},
      // Not the line's own name: the agent still comes from it.
      {"X-User-Agent: T3", "T3"},
  };
  for (const Case& c : cases) {
    std::string headers = c.headers;
    const std::string echo = HttpRequest(LocalServers::Http() + "/echo", {}, {},
                                         nullptr, nullptr, &headers);
    EXPECT_NE(echo.find("\r\nUser-Agent: " + c.agent + "\r\n"),
              std::string::npos)
        << echo;
    EXPECT_EQ(echo.find("Referer:"), std::string::npos);  // no default block
    EXPECT_EQ(headers, c.headers);
  }
}

TEST(HttpRequestTest, MethodDecidesVerbAndBody) {
  struct Case {
    int method;
    std::string post_text, post_data;
    std::string verb, body, post_data_after;
  };
  const std::vector<Case> cases = {
      {0, "a=1", "", "GET", "", ""},
      {1, "a=1", "", "POST", "a=1", "a=1"},
      {2, "a=1", "", "GET", "a=1", "a=1"},  // a GET with a body
      {1, "a=1", "b=2", "POST", "b=2", "b=2"},
      {1, "", std::string("x\0y", 3), "POST", std::string("x\0y", 3),
       std::string("x\0y", 3)},
      {-1, "", "", "GET", "", ""},
  };
  for (const Case& c : cases) {
    std::string post_data = c.post_data;
    const std::string echo =
        HttpRequest(LocalServers::Http() + "/echo", c.method, c.post_text,
                    nullptr, nullptr, nullptr, nullptr, {}, &post_data);
    EXPECT_EQ(RequestLine(echo), c.verb + " /echo HTTP/1.1") << c.method;
    const size_t end = echo.find("\r\n\r\n");
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(echo.substr(end + 4), c.body) << c.method;
    // A body, even an empty one, is announced.
    const bool announced = echo.find("\r\nContent-Length: ") < end;
    EXPECT_EQ(announced, c.method != 0) << echo;
    EXPECT_EQ(post_data, c.post_data_after) << c.method;
  }
}

TEST(HttpRequestTest, ReadsCookiesAndLocationFromTheResponse) {
  std::string cookies = "sid=1; lang=en; theme=dark";
  std::string set_cookies = "old";
  std::string location;
  std::string raw;
  const std::string body =
      HttpRequest(LocalServers::Http() + "/cookies", {}, {}, &cookies,
                  &set_cookies, nullptr, &location, {}, nullptr, {}, &raw);
  EXPECT_EQ(body, "cookies set");
  // "set-cookie" in lower case is not read; "Set-Cookie: id=5" has no ";"
  // after its pair and gives an empty entry.
  EXPECT_EQ(set_cookies, "lang=fr;sid=1;theme=deleted;uid=7;;");
  EXPECT_EQ(cookies, "sid=1; lang=fr; uid=7; ; ");
  EXPECT_EQ(location, "/x");  // Content-Location, the last one
  EXPECT_NE(raw.find("\r\nset-cookie: lower=1; Path=/\r\n"), std::string::npos);
}

TEST(HttpRequestTest, FollowsRedirects) {
  const std::string http = LocalServers::Http();
  struct Case {
    std::string path, body;
  };
  const std::vector<Case> cases = {
      {"/redirect?to=" + http + "/hello", "hello world"},  // absolute
      {"/redirect?to=hello", "hello world"},               // relative
      {"/redirect?to=/hello&code=301", "hello world"},
      {"/redirect?to=/hello&code=303", "hello world"},
      {"/redirect?to=/hello&code=307", "hello world"},
      {"/to-https/hello", "hello world"},  // from http to https
      {"/chain/20", "end of chain"},       // as many as are allowed
  };
  for (const Case& c : cases) {
    std::string raw;
    std::string location;
    EXPECT_EQ(Get(http + c.path, &raw, &location), c.body) << c.path;
    // The final response's header block only; without a Location line in
    // it, `location` receives the whole block.
    EXPECT_EQ(raw.substr(0, 15), "HTTP/1.1 200 OK") << raw;
    EXPECT_EQ(raw.find("302"), std::string::npos) << raw;
    EXPECT_EQ(location, raw);
  }
}

TEST(HttpRequestTest, NoRedirectKeepsTheRedirection) {
  std::string location;
  std::string raw;
  const std::string body =
      HttpRequest(LocalServers::Http() + "/redirect?to=/hello", {}, {}, nullptr,
                  nullptr, nullptr, &location, true, nullptr, {}, &raw);
  EXPECT_EQ(body, "moved");
  EXPECT_EQ(location, "/hello");
  EXPECT_EQ(raw.substr(0, 12), "HTTP/1.1 302") << raw;
}

TEST(HttpRequestTest, ReadsAHeaderBlockOfAnyLength) {
  std::string raw;
  std::string location;
  std::string set_cookies;
  const std::string body =
      HttpRequest(LocalServers::Http() + "/longheaders", {}, {}, nullptr,
                  &set_cookies, nullptr, &location, {}, nullptr, {}, &raw);
  EXPECT_EQ(body, "long headers");
  EXPECT_GT(raw.size(), 20000u);
  EXPECT_NE(raw.find("\r\nX-Long: " + std::string(8000, 'L') + "\r\n"),
            std::string::npos);
  EXPECT_EQ(Right(raw, 4), "\r\n\r\n");
  // Lines far past the first 5000 bytes are read as well.
  EXPECT_EQ(set_cookies, "late=1;");
  EXPECT_EQ(location, "/late");
}

TEST(HttpRequestTest, HeaderLinesEndInCrLfWhateverTheServerSends) {
  std::string raw;
  EXPECT_EQ(Get(LocalServers::Http() + "/lf", &raw), "ok");
  EXPECT_EQ(raw, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nX-Line: lf\r\n\r\n");
}

TEST(HttpRequestTest, BodiesComeWholeWhateverTheirStatusSizeOrPace) {
  std::string raw;
  EXPECT_EQ(Get(LocalServers::Http() + "/notfound", &raw), "no such page");
  EXPECT_EQ(raw.substr(0, 12), "HTTP/1.1 404");

  std::string big(3 * 1024 * 1024, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 251);
  EXPECT_TRUE(Get(LocalServers::Http() + "/big") == big);
  EXPECT_TRUE(Get(LocalServers::Https() + "/big") == big);

  std::string slow;
  for (int i = 0; i < 8; ++i) slow += "0123456789abcdef";
  EXPECT_EQ(Get(LocalServers::Http() + "/slow?pieces=8&pause=0.1"), slow);

  EXPECT_EQ(Get(LocalServers::Http() + "/empty"), "");
  EXPECT_EQ(Get(LocalServers::Http() + "/nul"),
            std::string("before\0after", 12));
}

TEST(HttpRequestTest, TextWrappersTurnTheBodyIntoText) {
  const std::string http = LocalServers::Http();
  struct Case {
    std::string path;
    bool utf8;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"/utf8", true, "\xD6\xD0\xCE\xC4 ok \xA8\xA6"},
      {"/utf8", false, "\xE4\xB8\xAD\xE6\x96\x87 ok \xC3\xA9"},
      {"/gbk", false, "\xD6\xD0\xCE\xC4 ok"},
      // Code page 936 bytes are no UTF-8: each becomes U+FFFD.
      {"/gbk", true, std::string(4, 'R') + " ok"},
      {"/nul", false, "before"},
      {"/nul", true, "before"},
      {"/empty", true, ""},
  };
  for (const Case& c : cases) {
    std::string text = c.utf8 ? HttpRequestUtf8(http + c.path)
                              : HttpRequestText(http + c.path);
    text = Replace(text, "\x84\x31\xA4\x37", "R");  // U+FFFD
    EXPECT_EQ(text, c.text) << c.path << " " << c.utf8;
  }
}

// Sentinels in every out-parameter, to see that a failure leaves them.
struct OutParameters {
  std::string cookies = "c=1";
  std::string set_cookies = "set";
  std::string headers = "X-Keep: 1";
  std::string location = "loc";
  std::string post_data = "data";
  std::string raw_headers = "raw";

  std::string Request(const std::string& url, TransferControl& control) {
    return HttpRequest(url, 1, "text", &cookies, &set_cookies, &headers,
                       &location, {}, &post_data, {}, &raw_headers, &control);
  }
  bool Untouched() const {
    return cookies == "c=1" && set_cookies == "set" && headers == "X-Keep: 1" &&
           location == "loc" && post_data == "data" && raw_headers == "raw";
  }
};

TEST(HttpRequestTest, AFailedRequestGivesNothingAndSaysWhy) {
  struct Case {
    std::string url, error_part;
  };
  const std::vector<Case> cases = {
      {"http://127.0.0.1:" + std::to_string(ClosedPort()) + "/hello",
       "connect"},
      // "Could not resolve host", or "Resolving timed out" without a resolver.
      {"http://nosuch.invalid/hello", "resolv"},
      {LocalServers::Http() + "/loop/a", "redirects"},
      {LocalServers::Http() + "/chain/21", "redirects"},
      // The certificate names localhost, not the address.
      {"https://127.0.0.1:" + std::to_string(LocalServers::HttpsPort()) +
           "/hello",
       "certificate"},
      {"https:///hello", "URL"},
      {"http://127.0.0.1:70000/", "Port"},
  };
  for (const Case& c : cases) {
    OutParameters out;
    TransferControl control;
    EXPECT_EQ(out.Request(c.url, control), "") << c.url;
    EXPECT_TRUE(control.failed) << c.url;
    EXPECT_NE(LowerAscii(control.error).find(LowerAscii(c.error_part)),
              std::string::npos)
        << c.url << ": " << control.error;
    EXPECT_TRUE(out.Untouched()) << c.url;
  }
}

TEST(HttpRequestTest, CertificatesAreCheckedAgainstTheSystemStore) {
  SetTrustedCertificatesForTesting("");
  TransferControl control;
  EXPECT_EQ(
      HttpRequest(LocalServers::Https() + "/hello", {}, {}, nullptr, nullptr,
                  nullptr, nullptr, {}, nullptr, {}, nullptr, &control),
      "");
  SetTrustedCertificatesForTesting(LocalServers::CertificateFile());
  EXPECT_TRUE(control.failed);
  EXPECT_NE(control.error.find("certificate"), std::string::npos)
      << control.error;
}

// Proxies named in the environment are never used.
class ProxyEnvironment {
 public:
  explicit ProxyEnvironment(const std::string& proxy) {
    for (const char* name : kNames) setenv(name, proxy.c_str(), 1);
  }
  ~ProxyEnvironment() {
    for (const char* name : kNames) unsetenv(name);
  }

 private:
  static constexpr const char* kNames[] = {
      "http_proxy", "https_proxy", "all_proxy", "ALL_PROXY", "HTTPS_PROXY"};
};

TEST(HttpRequestTest, ProxyOnlyWhenOneIsNamed) {
  const std::string nowhere = "127.0.0.1:" + std::to_string(ClosedPort());
  ProxyEnvironment environment("http://" + nowhere);
  const std::string hello = LocalServers::Http() + "/hello";
  for (const std::optional<std::string_view> proxy :
       {std::optional<std::string_view>(),
        std::optional<std::string_view>("")}) {
    TransferControl control;
    EXPECT_EQ(HttpRequest(hello, {}, {}, nullptr, nullptr, nullptr, nullptr, {},
                          nullptr, proxy, nullptr, &control),
              "hello world")
        << control.error;
  }
  // An http URL goes through a named proxy: our server plays the proxy.
  const std::string through = LocalServers::Http().substr(7);
  const std::string echo =
      HttpRequest("http://proxied.invalid/echo", {}, {}, nullptr, nullptr,
                  nullptr, nullptr, {}, nullptr, through);
  EXPECT_EQ(RequestLine(echo), "GET http://proxied.invalid/echo HTTP/1.1");
  // An https URL does not.
  TransferControl control;
  EXPECT_EQ(
      HttpRequest(LocalServers::Https() + "/hello", {}, {}, nullptr, nullptr,
                  nullptr, nullptr, {}, nullptr, nowhere, nullptr, &control),
      "hello world")
      << control.error;
}

TEST(HttpRequestTest, CancellingStopsARunningTransfer) {
  const std::filesystem::path started =
      LocalServers::Folder() / "stall-started";
  std::atomic<bool> cancel = false;
  std::atomic<bool> done = false;
  TransferControl control;
  control.cancel = &cancel;
  std::string body = "unset";
  std::thread worker([&] {
    body =
        HttpRequest(LocalServers::Http() + "/stall", {}, {}, nullptr, nullptr,
                    nullptr, nullptr, {}, nullptr, {}, nullptr, &control);
    done = true;
  });
  // The server sends the rest of its body for 30 s after this mark.
  while (!done && !std::filesystem::exists(started)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_FALSE(done) << control.error;
  cancel = true;
  worker.join();
  EXPECT_EQ(body, "");
  EXPECT_TRUE(control.failed);
  EXPECT_EQ(control.error, "Transfer cancelled");
}

TEST(HttpRequestTest, RequestsOnSeveralThreadsDoNotMeet) {
  std::vector<std::string> bodies(6);
  std::vector<std::thread> threads;
  for (size_t i = 0; i < bodies.size(); ++i) {
    threads.emplace_back([&bodies, i] {
      const std::string base =
          i % 2 == 0 ? LocalServers::Http() : LocalServers::Https();
      bodies[i] = HttpRequestText(base + "/hello");
    });
  }
  for (std::thread& t : threads) t.join();
  for (const std::string& body : bodies) EXPECT_EQ(body, "hello world");
}

}  // namespace
}  // namespace bramble
