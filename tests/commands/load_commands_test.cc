#include "commands/load_commands.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "tests/loading/local_servers.h"
#include "tests/shell/window_fixture.h"

namespace bramble {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const auto* const servers =
    ::testing::AddGlobalTestEnvironment(new LocalServers);

// "中文 ok é" as UTF-8, and the same characters in code page 936.
const std::string kUtf8Bytes = "\xE4\xB8\xAD\xE6\x96\x87 ok \xC3\xA9";
const std::string kAnsiText = "\xD6\xD0\xCE\xC4 ok \xA8\xA6";

class LoadCommandsTest : public WindowTest {
 protected:
  void Load(const std::string& address) {
    window().address_box().setText(ToQString(TextFromUtf8(address)));
    QTest::mouseClick(&Button("btn_读取"), Qt::LeftButton);
  }
  // Waits until the editor holds `bytes`.
  bool EditorBecomes(const std::string& bytes, int timeout_ms = 10000) {
    return QTest::qWaitFor([&] { return GetEditorText(editor()) == bytes; },
                           timeout_ms);
  }
  bool OutputGrowsTo(size_t lines, int timeout_ms = 10000) {
    return QTest::qWaitFor([&] { return NewOutputLines().size() >= lines; },
                           timeout_ms);
  }
  static fs::path WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
};

TEST_F(LoadCommandsTest, FilesAreReadWholeAndNeverDecoded) {
  const fs::path file =
      WriteFile(LocalServers::Folder() / "code.js", kUtf8Bytes);
  window().utf8_box().setChecked(true);  // plays no part for files
  SetCode("before");
  Load(file.string());
  ASSERT_TRUE(EditorBecomes(kUtf8Bytes));
  EXPECT_EQ(window().address_box().text().toStdString(), file.string());
  // One undo step brings the old text back.
  editor().SendScintilla(QsciScintillaBase::SCI_UNDO);
  EXPECT_EQ(GetEditorText(editor()), "before");
  // A relative path is taken against the program's folder; a zero byte
  // ends the text.
  const fs::path beside =
      fs::path(QCoreApplication::applicationDirPath().toStdString()) /
      "load_commands_test_input.js";
  WriteFile(beside, std::string("ab\0cd", 5));
  Load(beside.filename().string());
  EXPECT_TRUE(EditorBecomes("ab"));
  fs::remove(beside);
  // An empty file is a success: the editor is emptied.
  Load(WriteFile(LocalServers::Folder() / "empty.js", "").string());
  EXPECT_TRUE(EditorBecomes(""));
  EXPECT_EQ(NewOutputLines(), Lines{});
}

TEST_F(LoadCommandsTest, DownloadsAreDecodedWhenTheBoxIsTicked) {
  Load(LocalServers::Http() + "/utf8");
  ASSERT_TRUE(EditorBecomes(kUtf8Bytes));  // the bytes, shown as 936 text
  window().utf8_box().setChecked(true);
  Load(LocalServers::Https() + "/utf8");
  EXPECT_TRUE(EditorBecomes(kAnsiText));
  // An error status is a page like any other.
  Load(LocalServers::Http() + "/notfound");
  EXPECT_TRUE(EditorBecomes("no such page"));
  EXPECT_EQ(NewOutputLines(), Lines{});
}

TEST_F(LoadCommandsTest, AFailedLoadKeepsTheTextAndSaysWhy) {
  SetCode("keep me");
  Load(LocalServers::Folder().string());  // a directory cannot be read
  ASSERT_TRUE(OutputGrowsTo(1));
  EXPECT_EQ(NewOutputLines()[0],
            "==> 读取失败：" + LocalServers::Folder().string());
  Load("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x.js");
  ASSERT_TRUE(OutputGrowsTo(2));
  EXPECT_EQ(NewOutputLines()[1].rfind("==> 读取失败：", 0), 0u);
  EXPECT_GT(NewOutputLines()[1].size(), std::string("==> 读取失败：").size());
  EXPECT_EQ(GetEditorText(editor()), "keep me");
}

TEST_F(LoadCommandsTest, ALaterLoadSupersedesASlowOneAndTheWindowAnswers) {
  SetCode("var old = 1;");
  // Forty pieces a tenth of a second apart: four seconds.
  Load(LocalServers::Http() + "/slow?pieces=40&pause=0.1");
  // The window answers while the slow load runs.
  SetExpression("6*7");
  QTest::mouseClick(&Button("btn_eval"), Qt::LeftButton);
  EXPECT_EQ(NewOutputLines().back(), "==> 42");
  Load(LocalServers::Http() + "/hello");
  ASSERT_TRUE(EditorBecomes("hello world"));
  // The superseded load never reaches the editor nor the output box.
  QTest::qWait(4500);
  EXPECT_EQ(GetEditorText(editor()), "hello world");
  EXPECT_EQ(NewOutputLines(), (Lines{"==> 加载成功！", "==> 42"}));
}

TEST_F(LoadCommandsTest, EnterLoadsAndADoubleClickEmptiesTheAddress) {
  window().address_box().setText(
      QString::fromStdString(LocalServers::Http() + "/hello"));
  QTest::keyRelease(&window().address_box(), Qt::Key_A);
  QTest::keyRelease(&window().address_box(), Qt::Key_Return,
                    Qt::ControlModifier);
  ASSERT_TRUE(EditorBecomes("hello world"));
  SetCode("stays");
  QTest::mouseDClick(&window().address_box(), Qt::LeftButton);
  EXPECT_EQ(window().address_box().text(), "");
  QTest::qWait(300);
  EXPECT_EQ(GetEditorText(editor()), "stays");
  EXPECT_EQ(NewOutputLines(), Lines{});
}

}  // namespace
}  // namespace bramble
