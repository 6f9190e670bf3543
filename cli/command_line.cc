#include "cli/command_line.h"

#include <vector>

namespace bramble {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: bramble COMMAND [FILE]
       bramble --help

Runs one of the workbench's transforms on JavaScript source, with the same
script code as its window. Reads FILE whole, or standard input when FILE is
absent or "-", and writes the result to standard output.

Commands:
  format  lay the code out with js-beautify: 4-space indentation, braces on
          the line of their statement, the input's empty lines kept, line
          feeds as line ends
  minify  minify the code (JSMin): comments and blanks go, a line break stays
          only where it may end a statement
  pack    pack the code into the eval(function(p,a,c,k,e,d){...}) form; the
          code needs at least one word
  unpack  unpack code of that form: the code (without a leading "eval") is
          evaluated and its value written out. Code of any other form is run
          too; it runs in a bare script engine with standard ECMAScript only,
          without access to files, the network or processes

Options:
  -h, --help  show this help and exit
  --          end of options: the next argument is FILE even if it starts
              with "-"

Encoding: input and output are UTF-8 bytes, taken and written as they are.
Nothing is added to the output, not even a final line feed. The input cannot
hold a zero byte. A byte that is not part of valid UTF-8 passes through
unchanged.

Errors: when the script fails, nothing is written to standard output and
standard error gets the error's line (counted from 1), column (counted from
0) and description, with the offending line when the engine gives it (line
breaks in the description are shown as \n and \r). For unpack the place is
in the input (on its first line, counted after a leading "eval"); for the
other commands it is in the transform's own script. A script that runs
longer than 10 seconds, or that grows the process by more than 768 MB, is
stopped and reported as such an error.

Exit status:
  0  the result was written
  1  the script failed
  2  the command line is wrong
  3  the input could not be read or holds a zero byte, or the output could
     not be written
)";

CommandLine UsageError(std::string error) {
  CommandLine line;
  line.action = CommandLine::Action::kUsageError;
  line.error = std::move(error);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> args) {
  std::vector<std::string_view> operands;
  bool options_ended = false;
  for (std::string_view arg : args) {
    if (!options_ended && arg.size() > 1 && arg.front() == '-') {
      if (arg == "-h" || arg == "--help") {
        CommandLine line;
        line.action = CommandLine::Action::kHelp;
        return line;
      }
      if (arg == "--") {
        options_ended = true;
        continue;
      }
      return UsageError("unknown option '" + std::string(arg) + "'");
    }
    operands.push_back(arg);
  }
  if (operands.empty()) return UsageError("no command given");
  const std::optional<Transform> transform = TransformNamed(operands[0]);
  if (!transform) {
    return UsageError("unknown command '" + std::string(operands[0]) +
                      "' (format, minify, pack or unpack)");
  }
  if (operands.size() > 2) {
    return UsageError("too many arguments: one FILE at most");
  }
  CommandLine line;
  line.action = CommandLine::Action::kRun;
  line.transform = *transform;
  if (operands.size() == 2 && operands[1] != "-") line.file = operands[1];
  return line;
}

std::string_view HelpText() { return kHelp; }

}  // namespace bramble
