#include "loading/source_loader.h"

#include <cstdio>
#include <memory>
#include <system_error>

#include "loading/http_text.h"
#include "text/byte_text.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

namespace fs = std::filesystem;

// The file system names files in UTF-8; the address is the program's text.
fs::path PathOf(std::string_view address, const fs::path& programFolder) {
  const fs::path path(BytesToEditorUtf8(address));
  return path.is_relative() ? programFolder / path : path;
}

// Any entry counts: a directory, or a link that leads nowhere.
bool NamesEntry(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool ReadWhole(const fs::path& path, std::string& bytes) {
  std::error_code error;
  if (fs::is_directory(path, error)) return false;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  char chunk[1 << 16];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    bytes.append(chunk, count);
  }
  return std::ferror(file.get()) == 0;
}

LoadedSource ReadFile(std::string_view address, const fs::path& path) {
  LoadedSource source;
  std::string bytes;
  if (!ReadWhole(path, bytes)) {
    source.reason = std::string(address);
    return source;
  }
  source.ok = true;
  source.text = std::string(UntilNul(bytes));
  return source;
}

LoadedSource Download(std::string_view address, bool decodeUtf8,
                      const std::atomic<bool>* cancel) {
  TransferControl control;
  control.cancel = cancel;
  // The loader's requests name no proxy: an empty one, which means none.
  const std::string_view no_proxy;
  LoadedSource source;
  source.text =
      decodeUtf8
          ? HttpRequestUtf8(address, {}, {}, nullptr, nullptr, nullptr, nullptr,
                            {}, nullptr, no_proxy, nullptr, &control)
          : HttpRequestText(address, {}, {}, nullptr, nullptr, nullptr, nullptr,
                            {}, nullptr, no_proxy, nullptr, &control);
  source.ok = !control.failed;
  source.reason = control.error;
  return source;
}

}  // namespace

LoadedSource ReadSource(std::string_view address, bool decodeUtf8,
                        const fs::path& programFolder,
                        const std::atomic<bool>* cancel) {
  if (!address.empty()) {
    const fs::path path = PathOf(address, programFolder);
    if (NamesEntry(path)) return ReadFile(address, path);
  }
  return Download(address, decodeUtf8, cancel);
}

std::string LoadFailureText(const LoadedSource& source) {
  return TextFromUtf8("读取失败：") + source.reason;
}

}  // namespace bramble
