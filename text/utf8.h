// Strict UTF-8 decoding and encoding: overlong forms, encoded surrogates and
// values above U+10FFFF are not valid.
#ifndef BRAMBLE_TEXT_UTF8_H_
#define BRAMBLE_TEXT_UTF8_H_

#include <string>
#include <string_view>

namespace bramble {

// Decodes the sequence at `at`. On success sets `code_point` and returns its
// length; returns 0 when the byte at `at` starts no valid sequence.
int DecodeUtf8(std::string_view bytes, size_t at, char32_t& code_point);
void AppendUtf8(char32_t code_point, std::string& out);

// Where DecodeUtf8 gives 0: how many bytes at `at` one replacement character
// stands for, the longest start of a valid sequence found there (Unicode's
// "maximal subpart"), and at least 1.
int Utf8InvalidLength(std::string_view bytes, size_t at);

}  // namespace bramble

#endif  // BRAMBLE_TEXT_UTF8_H_
