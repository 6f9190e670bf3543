#include "commands/find_commands.h"

#include <QLineEdit>
#include <functional>
#include <utility>

#include "tests/shell/window_fixture.h"

namespace bramble {
namespace {

using Range = std::pair<long, long>;

class FindCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ResetFind(window());  // the position outlives the window of a test
  }

  QLineEdit& FindBox() { return window().find_box(); }
  void SetPattern(const char* utf8) {
    FindBox().setText(QString::fromUtf8(utf8));
  }
  void ClickFind() { QTest::mouseClick(&Button("btn_查找"), Qt::LeftButton); }

  // Clicks 查找 once per expected selection.
  void ExpectWalk(const std::vector<Range>& selections) {
    for (size_t i = 0; i < selections.size(); ++i) {
      ClickFind();
      EXPECT_EQ(Selection(), selections[i]) << "search " << i + 1;
    }
  }
};

TEST_F(FindCommandsTest, WalksThroughTheMatchesInOrderThenStartsAgain) {
  SetCode("var a = 1;\r\nvar bb = 22;\r\nvar ccc = 333;");
  SetPattern("[0-9]+");
  EXPECT_EQ(FindPosition(), 0);
  ExpectWalk({{8, 9}, {21, 23}, {36, 39}});
  EXPECT_EQ(FindPosition(), 39);
  // After the last match: nothing selected, the caret where it ended, and
  // the search after that begins at the top.
  ClickFind();
  EXPECT_EQ(Selection(), Range(39, 39));
  EXPECT_EQ(FindPosition(), 0);
  ExpectWalk({{8, 9}, {21, 23}});
  EXPECT_EQ(NewOutputLines(), std::vector<std::string>{});
}

TEST_F(FindCommandsTest, PositionsAreTheEditorsUtf8Bytes) {
  SetCode("中文abc，文ABC");
  SetPattern("abc");  // and ASCII letters match either case
  ExpectWalk({{6, 9}, {15, 18}, {18, 18}, {6, 9}});
  SetPattern("文.");  // a Chinese pattern from the find box
  ExpectWalk({{3, 7}, {12, 16}});
}

TEST_F(FindCommandsTest, CaseIsIgnoredForAsciiLettersOnly) {
  SetCode("Straße STRASSE straße");
  SetPattern("STRAßE");
  ExpectWalk({{0, 7}, {16, 23}});
  SetPattern("ÄPFEL");
  SetCode("äpfel");
  ExpectWalk({{0, 0}});  // ä and Ä are different letters
}

TEST_F(FindCommandsTest, EnterInTheFindBoxSearchesWhateverTheModifiers) {
  SetCode("x x x x x x");
  SetPattern("x");
  for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                         Qt::AltModifier}) {
    QTest::keyRelease(&FindBox(), Qt::Key_Return, modifiers);
  }
  QTest::keyRelease(&FindBox(), Qt::Key_Enter);  // the keypad's
  EXPECT_EQ(Selection(), Range(8, 9));
  QTest::keyRelease(&FindBox(), Qt::Key_Space);  // not Enter
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier,
                   QString(), /*autorep=*/true);
  QCoreApplication::sendEvent(&FindBox(), &repeat);  // a held Enter
  EXPECT_EQ(Selection(), Range(8, 9));
  EXPECT_EQ(FindPosition(), 9);
}

TEST_F(FindCommandsTest, EditingClearingOrRightReleaseStartsAtTheTop) {
  struct Restart {
    const char* name;
    std::function<void()> action;
    const char* box_after;
  };
  const std::vector<Restart> restarts = {
      {"typing", [&] { QTest::keyClicks(&FindBox(), "x"); }, "abx"},
      {"backspace", [&] { QTest::keyClick(&FindBox(), Qt::Key_Backspace); },
       "a"},
      {"double click", [&] { QTest::mouseDClick(&FindBox(), Qt::LeftButton); },
       ""},
      {"right release", [&] { RightRelease(Button("btn_查找")); }, "ab"},
  };
  SetCode("ab ab ab");
  for (const Restart& restart : restarts) {
    SetPattern("ab");
    FindBox().setFocus();
    FindBox().end(false);
    ExpectWalk({{0, 2}, {3, 5}});
    restart.action();
    EXPECT_EQ(FindPosition(), 0) << restart.name;
    EXPECT_EQ(FindBox().text().toStdString(), restart.box_after)
        << restart.name;
    EXPECT_EQ(Selection(), Range(3, 5))
        << restart.name << " only moves the start";
  }
  // Released away from the button: the walk goes on.
  SetPattern("ab");
  ExpectWalk({{0, 2}});
  RightRelease(Button("btn_查找"), QPoint(-20, -20));
  ExpectWalk({{3, 5}});
}

TEST_F(FindCommandsTest, AnEmptyMatchFindsTheSamePlaceAgain) {
  SetCode("ab\r\ncd");
  SetPattern("^");
  ExpectWalk({{0, 0}, {0, 0}, {0, 0}});
  SetPattern("b$");
  ExpectWalk({{1, 2}});
  SetPattern("$");
  EXPECT_EQ(FindPosition(), 0);
  ExpectWalk({{2, 2}, {2, 2}});
  SetPattern("");  // an empty box is searched for all the same
  ExpectWalk({{0, 0}, {0, 0}});
}

TEST_F(FindCommandsTest, ARejectedPatternFindsNothing) {
  SetCode("[abc] \\(x");
  for (const char* pattern : {"[abc", "\\(x", "a\\"}) {
    SetPattern(pattern);
    editor().SendScintilla(QsciScintillaBase::SCI_SETSEL, 1, 3L);
    ClickFind();
    EXPECT_EQ(Selection(), Range(0, 0)) << pattern;
    EXPECT_EQ(FindPosition(), 0) << pattern;
  }
  EXPECT_EQ(NewOutputLines(), std::vector<std::string>{});
}

TEST_F(FindCommandsTest, ANewTextIsSearchedFromTheOldPosition) {
  SetCode("x1 x2 x3");
  SetPattern("x.");
  ExpectWalk({{0, 2}, {3, 5}});
  SetCode("xA xB xC");  // the walk goes on at 5
  ExpectWalk({{6, 8}});
  SetCode("xZ");  // shorter than where the walk stands
  ExpectWalk({{2, 2}, {0, 2}});
}

TEST_F(FindCommandsTest, AnEmptyEditorHasNoMatch) {
  SetPattern("a");
  ExpectWalk({{0, 0}});
  EXPECT_EQ(FindPosition(), 0);
}

}  // namespace
}  // namespace bramble
