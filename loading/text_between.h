// Pieces cut out of header lines and other texts by markers.
#ifndef BRAMBLE_LOADING_TEXT_BETWEEN_H_
#define BRAMBLE_LOADING_TEXT_BETWEEN_H_

#include <optional>
#include <string>
#include <string_view>

namespace bramble {

// The text strictly between the first `startMarker` found from `startPos`
// (from the beginning when omitted) and the first `endMarker` after it;
// empty when either is missing or the two touch. In both markers "#引号"
// stands for a double quote. Both searches ignore the case of ASCII letters
// unless `caseSensitive`.
std::string TextBetween(std::string_view source, std::string_view startMarker,
                        std::string_view endMarker,
                        std::optional<int> startPos = std::nullopt,
                        bool caseSensitive = false);

// The trimmed text after the first ":" of a header line; empty without one.
std::string HeaderValue(std::string_view line);

}  // namespace bramble

#endif  // BRAMBLE_LOADING_TEXT_BETWEEN_H_
