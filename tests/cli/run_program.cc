#include "tests/cli/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace bramble {

TempFolder::TempFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "bramble-cli-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(const std::string& name,
                                        std::string_view content) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream(file, std::ios::binary)
      .write(content.data(), static_cast<std::streamsize>(content.size()));
  return file;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

ProgramOutcome RunProgram(const std::string& program,
                          const std::vector<std::string>& args,
                          std::string_view input,
                          const std::filesystem::path& working_dir) {
  // Files rather than pipes: no deadlock whatever the child writes.
  const TempFolder folder;
  const std::string in = folder.Write("stdin", input).string();
  const std::string out = (folder.path() / "stdout").string();
  const std::string err = (folder.path() / "stderr").string();
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);

  ProgramOutcome outcome;
  const pid_t pid = fork();
  if (pid < 0) return outcome;
  if (pid == 0) {
    const int fds[3] = {open(in.c_str(), O_RDONLY),
                        open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600),
                        open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)};
    for (int i = 0; i < 3; ++i) {
      if (fds[i] < 0 || dup2(fds[i], i) < 0) _exit(127);
      close(fds[i]);
    }
    if (!working_dir.empty() && chdir(working_dir.c_str()) != 0) _exit(127);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int wait_status = 0;
  if (waitpid(pid, &wait_status, 0) == pid && WIFEXITED(wait_status)) {
    outcome.status = WEXITSTATUS(wait_status);
  }
  outcome.out = ReadFileBytes(out);
  outcome.err = ReadFileBytes(err);
  return outcome;
}

}  // namespace bramble
