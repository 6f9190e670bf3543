#include "scripts/run_formatter.h"

#include "host/script_host.h"
#include "scripts/script_texts.h"

namespace bramble {

std::string RunFormatter(std::string_view text, bool minify,
                         ScriptError* error) {
  ScriptHost host;
  host.Init();
  host.ExecuteStatement(FormatterLibrary());
  std::string result;
  if (host.GetError().Number == "0") {
    result = host.Run(minify ? "ysjs" : "js_beautify", text);
  }
  if (error != nullptr) *error = host.GetError();
  host.Destroy();
  return result;
}

std::string RunMinifier(std::string_view text, ScriptError* error) {
  std::string result = RunFormatter(text, true, error);
  if (!result.empty() && result.front() == '\n') result.erase(0, 1);
  return result;
}

}  // namespace bramble
