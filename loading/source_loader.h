// The work of one load, free of any window: the text that an address in the
// address box names. The window runs ReadSource on a worker thread and puts
// the text into the editor, or writes LoadFailureText to the output box.
#ifndef BRAMBLE_LOADING_SOURCE_LOADER_H_
#define BRAMBLE_LOADING_SOURCE_LOADER_H_

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>

namespace bramble {

// What one load gives: the new text (possibly empty), or why there is none.
struct LoadedSource {
  bool ok = false;
  std::string text;    // the text (bytes up to the first zero byte) when ok
  std::string reason;  // when not ok: the path that cannot be read, or the
                       // transfer's error
};

// An address that names an existing file system entry (a relative one taken
// from `programFolder`) is a file, read whole and never decoded. Any other
// address, the empty one included, is fetched with a GET request; the body
// is decoded from UTF-8 when `decodeUtf8` is set. `cancel` becoming true
// stops a download soon, as a failure.
LoadedSource ReadSource(std::string_view address, bool decodeUtf8,
                        const std::filesystem::path& programFolder,
                        const std::atomic<bool>* cancel = nullptr);

// The output line of a failed load: "读取失败：" and the reason.
std::string LoadFailureText(const LoadedSource& source);

}  // namespace bramble

#endif  // BRAMBLE_LOADING_SOURCE_LOADER_H_
