#include "tests/shell/xvfb_display.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace bramble::testing {
namespace {

constexpr int kFirstDisplay = 91;
constexpr int kLastDisplay = 140;

bool LockExists(int number) {
  const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
  const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
  return access(lock.c_str(), F_OK) == 0 || access(socket.c_str(), F_OK) == 0;
}

// Reads what Xvfb writes to its -displayfd once it accepts clients; the
// empty text when it ended without doing so.
std::string ReadAll(int fd) {
  std::string text;
  char buffer[64];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<size_t>(n));
      if (text.find('\n') != std::string::npos) break;
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  return text;
}

}  // namespace

XvfbDisplay::~XvfbDisplay() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

bool XvfbDisplay::Start() {
  for (int number = kFirstDisplay; number <= kLastDisplay; ++number) {
    if (!LockExists(number) && StartOn(number)) return true;
  }
  return false;
}

bool XvfbDisplay::StartOn(int number) {
  int ready[2];
  if (pipe(ready) != 0) return false;
  const std::string display = ":" + std::to_string(number);
  const pid_t pid = fork();
  if (pid < 0) {
    close(ready[0]);
    close(ready[1]);
    return false;
  }
  if (pid == 0) {
    close(ready[0]);
    const std::string fd = std::to_string(ready[1]);
    // -noreset: without it the server resets when its last client leaves,
    // and refuses connections meanwhile.
    execlp("Xvfb", "Xvfb", display.c_str(), "-noreset", "-nolisten", "tcp",
           "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ready[1]);
  const std::string written = ReadAll(ready[0]);
  close(ready[0]);
  if (written.empty()) {  // the display was taken, or Xvfb is missing
    waitpid(pid, nullptr, 0);
    return false;
  }
  pid_ = pid;
  name_ = display;
  return true;
}

}  // namespace bramble::testing
