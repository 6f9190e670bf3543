// The HTTP and HTTPS servers of the loading tests: test_server.py on
// 127.0.0.1, started once per test program with a certificate made for the
// run and trusted for the run only.
#ifndef BRAMBLE_TESTS_LOADING_LOCAL_SERVERS_H_
#define BRAMBLE_TESTS_LOADING_LOCAL_SERVERS_H_

#include <gtest/gtest.h>
#include <sys/types.h>

#include <filesystem>
#include <string>

namespace bramble {

class LocalServers : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;

  // "http://127.0.0.1:PORT" and "https://localhost:PORT": the certificate
  // names localhost only.
  static std::string Http();
  static std::string Https();
  static int HttpsPort();
  // A folder of the run, removed at its end; the server writes here too.
  static const std::filesystem::path& Folder();
  static std::string CertificateFile();
};

// A port on 127.0.0.1 that nothing listens on.
int ClosedPort();

}  // namespace bramble

#endif  // BRAMBLE_TESTS_LOADING_LOCAL_SERVERS_H_
