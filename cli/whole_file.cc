#include "cli/whole_file.h"

#include <cerrno>
#include <cstring>

namespace bramble {
namespace {

bool ReadStream(std::FILE* stream, std::string& content) {
  char buffer[1 << 16];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, stream)) > 0;) {
    content.append(buffer, n);
  }
  return std::ferror(stream) == 0;
}

}  // namespace

bool ReadWhole(const std::string& path, std::string& content,
               std::string& error) {
  content.clear();
  if (path.empty()) {
    if (!ReadStream(stdin, content)) {
      error = std::string("standard input: ") + std::strerror(errno);
      return false;
    }
    return true;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  const bool ok = ReadStream(file, content);
  if (!ok) error = path + ": " + std::strerror(errno);
  std::fclose(file);
  return ok;
}

bool WriteWhole(std::FILE* stream, std::string_view bytes) {
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream);
  return std::fflush(stream) == 0 && written == bytes.size();
}

}  // namespace bramble
