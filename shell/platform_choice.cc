#include "shell/platform_choice.h"

#include <cstdlib>

namespace bramble {
namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

void ChooseX11OnWayland() {
  if (IsSet("WAYLAND_DISPLAY") && IsSet("DISPLAY") &&
      !IsSet("QT_QPA_PLATFORM")) {
    setenv("QT_QPA_PLATFORM", "xcb", /*overwrite=*/1);
  }
}

}  // namespace bramble
