// Operations on the program's texts: byte strings in code page 936, here
// implemented as GB18030 (its superset). Positions are 1-based byte
// positions; a search that finds nothing gives -1. A search never starts a
// match on a trailing byte of a multi-byte character.
#ifndef BRAMBLE_TEXT_BYTE_TEXT_H_
#define BRAMBLE_TEXT_BYTE_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bramble {

// Number of bytes of the character that starts at byte `i` (0-based): 1 for
// ASCII and for bytes that start no valid sequence, 2 or 4 for GB18030
// multi-byte sequences (by their byte structure).
int CharWidthAt(std::string_view text, size_t i);

// The text up to its first NUL byte: what a NUL-terminated text can hold.
std::string_view UntilNul(std::string_view bytes);

// Forward search from `start` (1-based; below 1 means from the beginning).
int InStr(std::string_view text, std::string_view find, int start = 1,
          bool ignore_case = false);

// Backward search: the last match that ends within the first start - 1
// bytes, or within the whole text when `start` is 0 or less (not given).
int InStrRev(std::string_view text, std::string_view find, int start = 0,
             bool ignore_case = false);

std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);
// Middle part from 1-based `start`; a negative count means "to the end".
std::string Mid(std::string_view text, int start, int count = -1);

// Splits at every `separator`: empty parts between separators and at the
// start are kept, an empty remainder at the end is dropped, and the empty
// text gives no part at all.
std::vector<std::string> Split(std::string_view text,
                               std::string_view separator);

// Replaces every occurrence of `find` (exact bytes, whole characters only),
// left to right and without overlaps. An empty `find` changes nothing.
std::string Replace(std::string_view text, std::string_view find,
                    std::string_view replacement);

// Removes ASCII blanks and the double-byte blank A1 A1 at both ends.
std::string Trim(std::string_view text);
// Removes both kinds of blank everywhere; tabs, CR and LF stay.
std::string RemoveBlanks(std::string_view text);
// Lower-cases the ASCII letters only.
std::string LowerAscii(std::string_view text);
// The leading decimal number (after ASCII blanks, with an optional sign);
// 0 when there is none. Saturates at the limits of int64_t.
int64_t IntegerValue(std::string_view text);
// n ASCII blanks; the empty text for n <= 0.
std::string Blanks(int n);
// n zero bytes; empty for n <= 0.
std::string ZeroBytes(int n);

}  // namespace bramble

#endif  // BRAMBLE_TEXT_BYTE_TEXT_H_
