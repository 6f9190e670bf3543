// The record of the last script error of a host.
#ifndef BRAMBLE_HOST_SCRIPT_ERROR_H_
#define BRAMBLE_HOST_SCRIPT_ERROR_H_

#include <string>

namespace bramble {

// Six texts. Line is 1-based, Column 0-based in characters of that line;
// Number is "0" when the last call raised no error and never "0" after one.
// Source names the kind of error, Description gives its message and Text the
// offending source line where the engine supplies it.
struct ScriptError {
  std::string Line = "0";
  std::string Column = "0";
  std::string Number = "0";
  std::string Source;
  std::string Description;
  std::string Text;
};

// Error numbers of the host's own, outside the engine's message numbers.
enum HostErrorNumber : int {
  kErrorEngineUnavailable = 10001,
  kErrorLanguageUnavailable = 10002,
  kErrorTimedOut = 10003,
  kErrorOutOfMemory = 10004,
  kErrorUnknown = 10005,
};

// Numbers rendered the way the error record holds them ("%.13g").
std::string FormatNumber(double value);

}  // namespace bramble

#endif  // BRAMBLE_HOST_SCRIPT_ERROR_H_
