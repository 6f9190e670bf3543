#include "tests/loading/local_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "loading/http_request.h"

extern char** environ;

namespace bramble {
namespace {

namespace fs = std::filesystem;

pid_t server_pid = -1;
int http_port = 0;
int https_port = 0;
fs::path folder;

pid_t Spawn(const std::vector<std::string>& args, int stdout_fd) {
  std::vector<char*> argv;
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdout_fd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, stdout_fd, STDOUT_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null",
                                     O_WRONLY, 0);
  }
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) !=
      0) {
    pid = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

bool RunToEnd(const std::vector<std::string>& args) {
  const pid_t pid = Spawn(args, -1);
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// The first line the server writes: "ports HTTP HTTPS".
std::string ReadLine(int fd) {
  std::string line;
  char c;
  while (read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

void LocalServers::SetUp() {
  char name[] = "/tmp/bramble-loading-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  folder = name;
  const std::string cert = CertificateFile();
  const std::string key = (folder / "key.pem").string();
  ASSERT_TRUE(
      RunToEnd({BRAMBLE_OPENSSL, "req", "-x509", "-newkey", "ec", "-pkeyopt",
                "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", key,
                "-out", cert, "-days", "2", "-subj", "/CN=localhost", "-addext",
                "subjectAltName=DNS:localhost"}))
      << "openssl could not make a certificate";
  int pipe_fds[2];
  ASSERT_EQ(pipe(pipe_fds), 0);
  server_pid =
      Spawn({BRAMBLE_PYTHON, BRAMBLE_TEST_SERVER, cert, key, folder.string()},
            pipe_fds[1]);
  close(pipe_fds[1]);
  const std::string line = ReadLine(pipe_fds[0]);
  close(pipe_fds[0]);
  ASSERT_GT(server_pid, 0) << "cannot start " << BRAMBLE_TEST_SERVER;
  std::istringstream words(line);
  std::string word;
  words >> word >> http_port >> https_port;
  ASSERT_EQ(word, "ports") << "the test server said: " << line;
  SetTrustedCertificatesForTesting(cert);
}

void LocalServers::TearDown() {
  SetTrustedCertificatesForTesting("");
  if (server_pid > 0) {
    kill(server_pid, SIGTERM);
    waitpid(server_pid, nullptr, 0);
    server_pid = -1;
  }
  std::error_code error;
  fs::remove_all(folder, error);
}

std::string LocalServers::Http() {
  return "http://127.0.0.1:" + std::to_string(http_port);
}

std::string LocalServers::Https() {
  return "https://localhost:" + std::to_string(https_port);
}

int LocalServers::HttpsPort() { return https_port; }

const fs::path& LocalServers::Folder() { return folder; }

std::string LocalServers::CertificateFile() {
  return (folder / "cert.pem").string();
}

int ClosedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  close(fd);
  return ntohs(address.sin_port);
}

}  // namespace bramble
