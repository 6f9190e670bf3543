// The host, port and path of a URL as the request routine connects to them.
// The scheme may be missing; anything that does not begin with "https://"
// is taken as http.
#ifndef BRAMBLE_LOADING_URL_PARTS_H_
#define BRAMBLE_LOADING_URL_PARTS_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace bramble {

// The host in lower case. `domainOnly` keeps its last two dot-separated
// parts; `keepPort` keeps a ":port" after it.
std::string UrlHost(std::string_view url, bool domainOnly = false,
                    bool keepPort = false);

// The number after the host's last ":", or 443 for a URL beginning with
// "https" (any case) and 80 for any other.
int64_t UrlPort(std::string_view url);

// From the first "/" after the host to the end (path, query and fragment in
// the URL's own case); "/" when there is none.
std::string UrlPath(std::string_view url);

}  // namespace bramble

#endif  // BRAMBLE_LOADING_URL_PARTS_H_
