// The command line of bramble, the workbench's command-line companion: which
// transform to run on which input, or the help, or what is wrong with it.
#ifndef BRAMBLE_CLI_COMMAND_LINE_H_
#define BRAMBLE_CLI_COMMAND_LINE_H_

#include <span>
#include <string>
#include <string_view>

#include "cli/transform.h"

namespace bramble {

// What bramble's exit status says.
enum ExitStatus : int {
  kExitSuccess = 0,
  kExitScriptError = 1,
  kExitUsageError = 2,
  kExitInputOutputError = 3,
};

struct CommandLine {
  enum class Action { kRun, kHelp, kUsageError };
  Action action = Action::kUsageError;
  Transform transform = Transform::kFormat;
  // The input file; empty for standard input.
  std::string file;
  // For kUsageError: what is wrong, in one line.
  std::string error;
};

// Reads the arguments that follow the program's name.
CommandLine ParseCommandLine(std::span<const std::string_view> args);

// The text of `bramble --help`.
std::string_view HelpText();

}  // namespace bramble

#endif  // BRAMBLE_CLI_COMMAND_LINE_H_
