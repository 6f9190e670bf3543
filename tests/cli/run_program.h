// Runs a program as a child process with a given standard input and
// collects its standard output, standard error and exit status.
#ifndef BRAMBLE_TESTS_CLI_RUN_PROGRAM_H_
#define BRAMBLE_TESTS_CLI_RUN_PROGRAM_H_

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bramble {

struct ProgramOutcome {
  // The exit status, or -1 when the program did not exit normally.
  int status = -1;
  std::string out;
  std::string err;
};

// Runs `program` with `args` in `working_dir` (the current one when empty),
// `input` as its whole standard input.
ProgramOutcome RunProgram(const std::string& program,
                          const std::vector<std::string>& args,
                          std::string_view input,
                          const std::filesystem::path& working_dir = {});

// A fresh folder, removed with its files when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `content` as the file `name` in the folder; gives its path.
  std::filesystem::path Write(const std::string& name,
                              std::string_view content) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace bramble

#endif  // BRAMBLE_TESTS_CLI_RUN_PROGRAM_H_
