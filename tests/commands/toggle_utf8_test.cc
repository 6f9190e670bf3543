#include "commands/toggle_utf8.h"

#include <unicode/uchar.h>

#include <QCheckBox>
#include <random>
#include <string>

#include "tests/shell/window_fixture.h"
#include "text/utf8.h"

namespace bramble {
namespace {

// GB18030 of U+FFFD, the replacement character.
const std::string kReplacement = "\x84\x31\xA4\x37";

class ToggleUtf8Test : public WindowTest {
 protected:
  QCheckBox& Box() { return window().utf8_box(); }
  void ClickBox() { QTest::mouseClick(&Box(), Qt::LeftButton); }
  std::string Bytes() { return GetEditorText(editor()); }
  void SetBytes(const std::string& bytes) { SetEditorText(editor(), bytes); }
  // Clicks the box if it is not already in that state (converting whatever
  // the editor holds).
  void PutBoxInState(bool ticked) {
    if (Box().isChecked() != ticked) ClickBox();
  }
};

TEST_F(ToggleUtf8Test, TickShowsTheCharacterOfUtf8BytesAndUntickGivesThemBack) {
  SetBytes("\xE4\xB8\xAD");  // U+4E2D in UTF-8, shown as code page 936
  ASSERT_FALSE(Box().isChecked());
  ClickBox();
  EXPECT_TRUE(Box().isChecked());
  EXPECT_EQ(Bytes(), "\xD6\xD0");  // U+4E2D in code page 936
  EXPECT_EQ(editor().text().toStdString(), "中");
  ClickBox();
  EXPECT_FALSE(Box().isChecked());
  EXPECT_EQ(Bytes(), "\xE4\xB8\xAD");
  EXPECT_EQ(NewOutputLines(), std::vector<std::string>{});
}

TEST_F(ToggleUtf8Test, EachClickIsOneUndoStep) {
  SetBytes("\xE4\xB8\xAD\xE6\x96\x87");
  ClickBox();
  ASSERT_EQ(Bytes(), "\xD6\xD0\xCE\xC4");
  QTest::mouseClick(&Button("btn_撤销"), Qt::LeftButton);
  EXPECT_EQ(Bytes(), "\xE4\xB8\xAD\xE6\x96\x87");
  EXPECT_TRUE(Box().isChecked()) << "undo leaves the box alone";
  RightRelease(Button("btn_撤销"));
  EXPECT_EQ(Bytes(), "\xD6\xD0\xCE\xC4");
}

TEST_F(ToggleUtf8Test, EmptyAndAsciiTextsStayAsTheyAre) {
  for (const std::string text : {"", "var x = 'ascii';\r\n\tx += 1;"}) {
    SetBytes(text);
    ClickBox();
    EXPECT_EQ(Bytes(), text);
    ClickBox();
    EXPECT_EQ(Bytes(), text);
  }
}

TEST_F(ToggleUtf8Test, TextThatIsNotUtf8BecomesReplacementCharacters) {
  SetBytes("\xD6\xD0\xCE\xC4");  // 中文 in code page 936
  ClickBox();
  EXPECT_EQ(Bytes(), kReplacement + kReplacement + kReplacement + kReplacement);
  ClickBox();  // does not bring it back
  EXPECT_EQ(Bytes(), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(ToggleUtf8Test, ABaseAndAMarkBecomeThePrecomposedCharacter) {
  SetBytes("e\xCC\x81 q\xCC\x81");  // é composes, q with an acute does not
  ClickBox();
  EXPECT_EQ(Bytes(), "\xA8\xA6 q\x81\x30\xBC\x37");
  ClickBox();
  EXPECT_EQ(Bytes(), "\xC3\xA9 q\xCC\x81");
}

// Random texts of characters from all over Unicode, without U+0000 (which
// no text holds) and without non-spacing marks (which may compose).
std::u32string RandomCharacters(std::mt19937& random) {
  static constexpr char32_t kRanges[][2] = {
      {0x01, 0x7F}, {0x80, 0x7FF}, {0x800, 0xFFFF}, {0x10000, 0x10FFFF}};
  std::uniform_int_distribution<int> length(0, 12);
  std::uniform_int_distribution<int> range(0, 3);
  std::u32string out;
  for (int n = length(random); static_cast<int>(out.size()) < n;) {
    const auto& [low, high] = kRanges[range(random)];
    const char32_t c =
        std::uniform_int_distribution<char32_t>(low, high)(random);
    if ((c >= 0xD800 && c <= 0xDFFF) ||
        u_charType(static_cast<UChar32>(c)) == U_NON_SPACING_MARK) {
      continue;
    }
    out.push_back(c);
  }
  return out;
}

TEST_F(ToggleUtf8Test, TickThenUntickAndUntickThenTickGiveTheTextBack) {
  std::mt19937 random(4);
  int odd_utf8 = 0;
  for (int i = 0; i < 300; ++i) {
    const std::u32string characters = RandomCharacters(random);
    std::string utf8, text;
    for (const char32_t c : characters) {
      AppendUtf8(c, utf8);
      AppendGb18030(c, text);
    }
    odd_utf8 += utf8.size() % 2;
    // Valid UTF-8 bytes, shown as code page 936: tick, then untick.
    PutBoxInState(false);
    SetBytes(utf8);
    ClickBox();
    ASSERT_EQ(Bytes(), text) << "tick, text " << i;
    ClickBox();
    ASSERT_EQ(Bytes(), utf8) << "untick, text " << i;
    // The characters themselves: untick, then tick.
    PutBoxInState(true);
    SetBytes(text);
    ClickBox();
    ASSERT_EQ(Bytes(), utf8) << "untick, text " << i;
    ClickBox();
    ASSERT_EQ(Bytes(), text) << "untick then tick, text " << i;
  }
  EXPECT_GT(odd_utf8, 0) << "some texts have an odd number of UTF-8 bytes";
}

TEST_F(ToggleUtf8Test, TheBoxTellsWhatItsClickDoes) {
  EXPECT_EQ(Box().toolTip().toStdString(),
            "单击：勾选时把代码按 UTF-8 解码，取消勾选时转回 UTF-8 字节");
}

}  // namespace
}  // namespace bramble
