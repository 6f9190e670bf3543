// The number a window of the main window's class carries in its caption.
#ifndef BRAMBLE_SHELL_WINDOW_NUMBER_H_
#define BRAMBLE_SHELL_WINDOW_NUMBER_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace bramble {

// Replaces every full-width character (U+FF01 to U+FF5E, and the
// ideographic blank U+3000, bytes A1 A1) by its ASCII form; every other
// byte stays as it is.
std::string FullWidthToAscii(std::string_view text);

// The text after the first "No." of `caption`, up to the next "No." or the
// end, read as a decimal integer: full-width characters first become ASCII,
// then leading blanks are skipped and an optional sign and the digits up to
// the first other character are read. A caption without text after its
// first "No." (no "No." at all, "No." only at the very end, or the empty
// caption) gives 0, as does a text without digits. A number beyond the
// 32-bit range is taken as the nearest limit.
int32_t WindowNumber(std::string_view caption);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_WINDOW_NUMBER_H_
