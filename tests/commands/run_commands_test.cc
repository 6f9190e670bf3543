#include "commands/run_commands.h"

#include <QClipboard>
#include <QGuiApplication>

#include "host/script_host.h"
#include "shell/program_main.h"
#include "tests/shell/window_fixture.h"

namespace bramble {
namespace {

using Lines = std::vector<std::string>;

class RunCommandsTest : public WindowTest {
 protected:
  void Execute() { QTest::mouseClick(&Button("btn_执行"), Qt::LeftButton); }
  void Evaluate() { QTest::mouseClick(&Button("btn_eval"), Qt::LeftButton); }
};

TEST_F(RunCommandsTest, EmptyEditorRunsNothing) {
  Execute();
  EXPECT_EQ(NewOutputLines(), Lines{});
  SetExpression("1+1");
  Evaluate();
  EXPECT_EQ(NewOutputLines(), Lines{"==> 2"});
}

TEST_F(RunCommandsTest, SuccessLineThenValue) {
  SetCode("var greeting = '你好';\r\nfunction twice(s) { return s + s; }");
  SetExpression("twice(greeting)");
  Evaluate();
  EXPECT_EQ(NewOutputLines(), (Lines{"==> 加载成功！", "==> 你好你好"}));
  SetExpression("");
  Evaluate();  // an empty expression only executes
  EXPECT_EQ(NewOutputLines().back(), "==> 加载成功！");
}

TEST_F(RunCommandsTest, ExecutionErrorIsReportedAndSelectedThenValueFollows) {
  SetCode("var ok = 1;\r\n  var broken = ;");
  SetExpression("1 + 1");
  Evaluate();
  EXPECT_EQ(NewOutputLines(),
            (Lines{"==> 第2行，第15列，Execution出现错误，expected expression, "
                   "got ';'",
                   "==> 2"}));
  // Line 2 starts at byte 13; six characters from its column 15.
  EXPECT_EQ(Selection(), std::make_pair(13L + 15, 13L + 15 + 1));
}

TEST_F(RunCommandsTest, EvalErrorSelectsAtTheExpressionsPlaceInTheEditor) {
  SetCode("var x = 1;\r\nvar y = 2;");
  SetExpression("x;\n  nosuch");
  Evaluate();
  EXPECT_EQ(NewOutputLines(),
            (Lines{"==> 加载成功！",
                   "==> 第2行，第2列，Eval出现错误，nosuch is not defined"}));
  EXPECT_EQ(Selection(), std::make_pair(14L, 20L));
}

TEST_F(RunCommandsTest, SelectionCountsCharactersAndIsClippedAtTheEnd) {
  // Three Chinese characters are nine bytes in the editor's UTF-8.
  SetCode("s = '中文字'; s.a.b");
  Execute();
  EXPECT_EQ(NewOutputLines(),
            (Lines{"==> 第1行，第11列，Execution出现错误，s.a is undefined"}));
  const long start = 5 + 9 + 3;  // "s = '", three characters, "'; "
  EXPECT_EQ(Selection(), std::make_pair(start, start + 5));  // text ends
}

TEST_F(RunCommandsTest, ErrorPlacesOutsideTheCodeAreHandled) {
  struct Case {
    const char* line;
    const char* column;
    std::pair<long, long> selection;
  };
  SetCode("abcdefgh\r\nij");
  const Case cases[] = {
      {"1", "0", {0, 6}},    // first line, column 0: the first six bytes
      {"0", "2", {2, 8}},    // line 0 takes 0 as its start
      {"2", "1", {11, 12}},  // clipped at the end of the text
      {"1", "99", {12, 12}},
  };
  for (const Case& c : cases) {
    editor().SendScintilla(QsciScintillaBase::SCI_SETSEL, 3, 3);
    SelectErrorLocation(window(), c.line, c.column);
    EXPECT_EQ(Selection(), c.selection) << c.line << ":" << c.column;
  }
  editor().SendScintilla(QsciScintillaBase::SCI_SETSEL, 3, 3);
  SelectErrorLocation(window(), "9", "0");   // no such line: nothing
  SelectErrorLocation(window(), "0", "-1");  // before the start: nothing
  EXPECT_EQ(Selection(), std::make_pair(3L, 3L));
}

TEST_F(RunCommandsTest, EnterReleasedEvaluatesWhateverTheModifiers) {
  SetExpression("6*7");
  for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                         Qt::AltModifier}) {
    QTest::keyRelease(&window().expression_box(), Qt::Key_Return, modifiers);
  }
  QTest::keyRelease(&window().expression_box(), Qt::Key_Enter);  // keypad
  QTest::keyRelease(&window().expression_box(), Qt::Key_A);      // not Enter
  // A held Enter repeats its release: only the real release counts.
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier,
                   QString(), /*autorep=*/true);
  QCoreApplication::sendEvent(&window().expression_box(), &repeat);
  EXPECT_EQ(NewOutputLines(), Lines(5, "==> 42"));
}

TEST_F(RunCommandsTest, ExpressionBoxClearCopyAndPaste) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  SetExpression("a + 中");
  QTest::mouseClick(&Button("btn_复制表达式"), Qt::LeftButton);
  EXPECT_EQ(clipboard->text().toStdString(), "a + 中");
  QTest::mouseDClick(&window().expression_box(), Qt::LeftButton);
  EXPECT_EQ(window().expression_box().text(), "");
  // The right release pastes and does not click (which would copy).
  clipboard->setText("pasted");
  RightRelease(Button("btn_复制表达式"));
  EXPECT_EQ(window().expression_box().text(), "pasted");
  EXPECT_EQ(clipboard->text(), "pasted");
  // Released away from the button: nothing.
  SetExpression("kept");
  RightRelease(Button("btn_复制表达式"), QPoint(-20, -20));
  EXPECT_EQ(window().expression_box().text(), "kept");
  clipboard->clear();
  RightRelease(Button("btn_复制表达式"));
  EXPECT_EQ(window().expression_box().text(), "");
  SetExpression("");
  QTest::mouseClick(&Button("btn_复制表达式"), Qt::LeftButton);
  EXPECT_EQ(clipboard->text(), "");
}

TEST_F(RunCommandsTest, NamespaceGrowsWithEachRun) {
  SetCode("var runs = (typeof runs === 'number' ? runs : 0) + 1;");
  Execute();
  Execute();
  SetExpression("runs");
  Evaluate();  // executes a third time first
  EXPECT_EQ(NewOutputLines().back(), "==> 3");
}

TEST_F(RunCommandsTest, MemoryHogIsReportedAndTheWindowCarriesOn) {
  SetCode("var hog = [];\r\nwhile (true) hog.push(new Array(100000).fill(1));");
  Execute();
  const Lines lines = NewOutputLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("第2行"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("memory"), std::string::npos) << lines[0];
  SetCode("hog = null;");
  SetExpression("'still here'");
  Evaluate();
  EXPECT_EQ(NewOutputLines().back(), "==> still here");
}

}  // namespace
}  // namespace bramble
