#include "loading/source_loader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/loading/local_servers.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

namespace fs = std::filesystem;

const auto* const servers =
    ::testing::AddGlobalTestEnvironment(new LocalServers);

const std::string kUtf8Text = "\xE4\xB8\xAD\xE6\x96\x87 ok \xC3\xA9";
const std::string kAnsiText = "\xD6\xD0\xCE\xC4 ok \xA8\xA6";

// A program folder with files in it, and a current directory elsewhere, so
// that a relative path can only be found through the program folder.
class SourceLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = LocalServers::Folder() / "program";
    fs::create_directories(program_ / "scripts");
    Write("scripts/a.js", "var a = 1;");
    Write("scripts/utf8.js", kUtf8Text);
    Write("empty.js", "");
    Write("nul.js", std::string("ab\0cd", 5));
    // The file system names it in UTF-8; the address box holds GB18030.
    Write("\xE4\xB8\xAD.js", "named in Chinese");
    fs::create_symlink(program_ / "gone.js", program_ / "dangling.js");
    elsewhere_ = LocalServers::Folder() / "elsewhere";
    fs::create_directories(elsewhere_);
    saved_directory_ = fs::current_path();
    fs::current_path(elsewhere_);
  }
  void TearDown() override {
    fs::current_path(saved_directory_);
    fs::remove_all(program_);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(program_ / name, std::ios::binary) << bytes;
  }

  fs::path program_;
  fs::path elsewhere_;
  fs::path saved_directory_;
};

TEST_F(SourceLoaderTest, ReadsFilesWholeAndUndecoded) {
  struct Case {
    std::string address;
    bool utf8;
    std::string text;
  };
  const std::vector<Case> cases = {
      {(program_ / "scripts/a.js").string(), false, "var a = 1;"},
      {"scripts/a.js", false, "var a = 1;"},  // from the program folder
      {"scripts/utf8.js", true, kUtf8Text},   // never decoded
      {"empty.js", false, ""},
      {"nul.js", false, "ab"},  // the text ends at the first zero byte
      {"\xD6\xD0.js", false, "named in Chinese"},
  };
  for (const Case& c : cases) {
    const LoadedSource source = ReadSource(c.address, c.utf8, program_);
    EXPECT_TRUE(source.ok) << c.address << ": " << source.reason;
    EXPECT_EQ(source.text, c.text) << c.address;
  }
}

TEST_F(SourceLoaderTest, AnEntryThatCannotBeReadFails) {
  for (const std::string address :
       {std::string("scripts"), (program_ / "scripts").string(),
        std::string("dangling.js")}) {
    const LoadedSource source = ReadSource(address, false, program_);
    EXPECT_FALSE(source.ok) << address;
    EXPECT_EQ(source.reason, address);
    EXPECT_EQ(LoadFailureText(source), TextFromUtf8("读取失败：") + address);
  }
}

TEST_F(SourceLoaderTest, DownloadsWhatIsNoFile) {
  const std::string http = LocalServers::Http();
  struct Case {
    std::string address;
    bool utf8;
    std::string text;
  };
  const std::vector<Case> cases = {
      {http + "/utf8", false, kUtf8Text},
      {http + "/utf8", true, kAnsiText},
      {LocalServers::Https() + "/utf8", true, kAnsiText},
      {http + "/notfound", false, "no such page"},  // an error page is text
      {http + "/empty", true, ""},
      {http + "/nul", false, "before"},
  };
  for (const Case& c : cases) {
    const LoadedSource source = ReadSource(c.address, c.utf8, program_);
    EXPECT_TRUE(source.ok) << c.address << ": " << source.reason;
    EXPECT_EQ(source.text, c.text) << c.address;
  }
}

TEST_F(SourceLoaderTest, AFailedDownloadSaysWhy) {
  const std::vector<std::string> addresses = {
      "",  // no file, and no host
      (program_ / "missing.js").string(),
      "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/a.js",
      "http://nosuch.invalid/a.js",
  };
  for (const std::string& address : addresses) {
    const LoadedSource source = ReadSource(address, true, program_);
    EXPECT_FALSE(source.ok) << address;
    EXPECT_FALSE(source.reason.empty()) << address;
    EXPECT_EQ(source.text, "");
    EXPECT_EQ(LoadFailureText(source),
              TextFromUtf8("读取失败：") + source.reason);
  }
}

TEST_F(SourceLoaderTest, CancellingStopsADownload) {
  const fs::path started = LocalServers::Folder() / "stall-started";
  std::atomic<bool> cancel = false;
  std::atomic<bool> done = false;
  LoadedSource source;
  std::thread worker([&] {
    source =
        ReadSource(LocalServers::Http() + "/stall", false, program_, &cancel);
    done = true;
  });
  while (!done && !fs::exists(started)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_FALSE(done) << source.reason;
  cancel = true;
  worker.join();
  EXPECT_FALSE(source.ok);
  EXPECT_EQ(source.text, "");
}

}  // namespace
}  // namespace bramble
