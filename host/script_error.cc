#include "host/script_error.h"

#include <cstdio>

namespace bramble {

std::string FormatNumber(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

}  // namespace bramble
