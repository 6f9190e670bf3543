// Formatting and minifying with the formatter library.
#ifndef BRAMBLE_SCRIPTS_RUN_FORMATTER_H_
#define BRAMBLE_SCRIPTS_RUN_FORMATTER_H_

#include <string>
#include <string_view>

#include "host/script_error.h"

namespace bramble {

// Runs js_beautify, or ysjs when `minify`, on `text` in a fresh script host.
// Gives the empty text when the script fails; `error`, when given, receives
// the host's error record ("0" as Number on success).
std::string RunFormatter(std::string_view text, bool minify = false,
                         ScriptError* error = nullptr);

// The minified text without the line feed with which the minifier starts
// its result when the code starts with a word or an opening bracket; any
// other first character is code and stays.
std::string RunMinifier(std::string_view text, ScriptError* error = nullptr);

}  // namespace bramble

#endif  // BRAMBLE_SCRIPTS_RUN_FORMATTER_H_
