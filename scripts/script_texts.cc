#include "scripts/script_texts.h"

#include <cstddef>

namespace bramble {
namespace embedded {
extern const char kFormatterLibrary[];
extern const std::size_t kFormatterLibrarySize;
extern const char kPackerScript[];
extern const std::size_t kPackerScriptSize;
}  // namespace embedded

std::string_view FormatterLibrary() {
  return {embedded::kFormatterLibrary, embedded::kFormatterLibrarySize};
}

std::string_view PackerScript() {
  return {embedded::kPackerScript, embedded::kPackerScriptSize};
}

}  // namespace bramble
