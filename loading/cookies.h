// The cookie text a caller keeps between requests: entries "name=value",
// each followed by "; ". Only the first name=value pair of a Set-Cookie line
// takes part; attributes (path, expiry, domain) are never looked at.
#ifndef BRAMBLE_LOADING_COOKIES_H_
#define BRAMBLE_LOADING_COOKIES_H_

#include <string>
#include <string_view>

namespace bramble {

// Folds the pairs of a response (`setCookies`) into `cookies`: a changed
// value replaces the old one, a new cookie goes to the end, an entry ending
// in "=deleted" disappears and exact repeats are dropped. Both texts are
// rewritten: blanks removed everywhere, and `setCookies` ends in ";" unless
// empty. Returns a copy of the new `cookies`.
std::string MergeCookies(std::string& cookies, std::string& setCookies);

// The text before an entry's first "=", or empty when it has none.
std::string CookieName(std::string_view entry);
// The text after an entry's first "=", or empty when it has none.
std::string CookieValue(std::string_view entry);

// The parts of `text` split at `separator`, each kept only at its first
// appearance, joined again with each part followed by `separator`.
std::string DedupEntries(std::string_view text, std::string_view separator);

}  // namespace bramble

#endif  // BRAMBLE_LOADING_COOKIES_H_
