#include "loading/url_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bramble {
namespace {

TEST(UrlPartsTest, Host) {
  struct Case {
    std::string url;
    bool domain_only, keep_port;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"http://Example.COM/a.js", false, false, "example.com"},
      {"example.com/a.js", false, false, "example.com"},
      {"example.com", false, false, "example.com"},
      {"HTTPS://HOST:8443/X?y=1", false, false, "host"},
      {"HTTPS://HOST:8443/X?y=1", false, true, "host:8443"},
      {"https://a.b.example.com/x", true, false, "example.com"},
      {"www.example.com:81/", true, true, "example.com:81"},
      {"localhost/x", true, false, "localhost"},
      {"http://h:/x", false, true, "h:"},
      {"http://h:/x", false, false, "h"},
      // Not beginning with https://, the first http:// decides.
      {"host/?u=http://other/", false, false, "other"},
      {"ftp://x/y", false, false, "ftp"},
      {"", false, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UrlHost(c.url, c.domain_only, c.keep_port), c.expected)
        << c.url << " " << c.domain_only << c.keep_port;
  }
}

TEST(UrlPartsTest, Port) {
  struct Case {
    std::string url;
    int64_t expected;
  };
  const std::vector<Case> cases = {
      {"h/a.js", 80},
      {"HTTPS://HOST:8443/X?y=1", 8443},
      {"https://h/", 443},
      {"Https://h", 443},
      {"http://h/", 80},
      {"h:8080", 8080},
      {"http://h:/x", 0},  // an empty port part
      {"https://h:x/", 0},
      {"http://h:1:2/", 2},     // after the last colon
      {"httpsite.com/x", 443},  // the first five letters say https
      {"", 80},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UrlPort(c.url), c.expected) << c.url;
  }
}

TEST(UrlPartsTest, Path) {
  struct Case {
    std::string url, expected;
  };
  const std::vector<Case> cases = {
      {"example.com/a.js", "/a.js"},
      {"HTTPS://HOST:8443/X?y=1", "/X?y=1"},  // the URL's own case
      {"http://Example.com/P", "/P"},
      {"http://example.com", "/"},
      {"https://example.com", "/"},
      {"example.com", "/"},
      {"http://example.com/a#frag", "/a#frag"},
      {"http://example.com:81/p/Q", "/p/Q"},
      {"host/?u=http://other/", "/"},
      {"", "/"},
      // The host is sought from the start of the URL: a host that is part
      // of the scheme's name is found there.
      {"http://h/x", "//h/x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UrlPath(c.url), c.expected) << c.url;
  }
}

}  // namespace
}  // namespace bramble
