// Reading an input whole and writing an output, as bytes.
#ifndef BRAMBLE_CLI_WHOLE_FILE_H_
#define BRAMBLE_CLI_WHOLE_FILE_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace bramble {

// Reads the file at `path` whole, or standard input when `path` is empty.
// On failure gives false, with the reason in `error`.
bool ReadWhole(const std::string& path, std::string& content,
               std::string& error);

// Writes `bytes` to `stream` and flushes it; false when that failed.
bool WriteWhole(std::FILE* stream, std::string_view bytes);

}  // namespace bramble

#endif  // BRAMBLE_CLI_WHOLE_FILE_H_
