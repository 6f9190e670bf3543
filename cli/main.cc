// bramble: the workbench's transforms from a terminal (`bramble --help`).
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/transform.h"
#include "cli/whole_file.h"
#include "host/script_error.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

void Complain(std::string_view message) {
  WriteWhole(stderr, "bramble: " + std::string(message) + "\n");
}

// A description on one line: its line breaks written as escapes.
std::string OnOneLine(std::string_view text) {
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      line += "\\n";
    } else if (c == '\r') {
      line += "\\r";
    } else {
      line += c;
    }
  }
  return line;
}

// The error record as the user reads it, in UTF-8.
std::string DescribeScriptError(Transform transform, const ScriptError& e) {
  std::string message = std::string(TransformName(transform)) +
                        ": script error at line " + e.Line + ", column " +
                        e.Column + ": " +
                        OnOneLine(BytesToEditorUtf8(e.Description));
  if (!e.Text.empty()) message += "\n    " + BytesToEditorUtf8(e.Text);
  return message;
}

int Run(const CommandLine& line) {
  std::string input, error;
  if (!ReadWhole(line.file, input, error)) {
    Complain(error);
    return kExitInputOutputError;
  }
  if (const size_t zero = input.find('\0'); zero != std::string::npos) {
    Complain((line.file.empty() ? std::string("standard input") : line.file) +
             ": holds a zero byte at offset " + std::to_string(zero) +
             "; a script text cannot");
    return kExitInputOutputError;
  }
  ScriptError script_error;
  const std::string output = RunTransform(line.transform, input, script_error);
  if (script_error.Number != "0") {
    Complain(DescribeScriptError(line.transform, script_error));
    return kExitScriptError;
  }
  if (!WriteWhole(stdout, output)) {
    Complain("could not write standard output");
    return kExitInputOutputError;
  }
  return kExitSuccess;
}

}  // namespace
}  // namespace bramble

int main(int argc, char** argv) {
  using namespace bramble;
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0),
                                           argv + argc);
  const CommandLine line = ParseCommandLine(args);
  switch (line.action) {
    case CommandLine::Action::kHelp:
      return WriteWhole(stdout, HelpText()) ? kExitSuccess
                                            : kExitInputOutputError;
    case CommandLine::Action::kUsageError:
      Complain(line.error + "\nTry 'bramble --help'.");
      return kExitUsageError;
    case CommandLine::Action::kRun:
      return Run(line);
  }
  return kExitUsageError;
}
