#include "commands/edit_commands.h"

#include <QClipboard>
#include <QGuiApplication>

#include "tests/shell/window_fixture.h"

namespace bramble {
namespace {

class EditCommandsTest : public WindowTest {
 protected:
  std::string Code() { return editor().text().toStdString(); }
  void Click(const char* button) {
    QTest::mouseClick(&Button(button), Qt::LeftButton);
  }
  QClipboard& Clipboard() { return *QGuiApplication::clipboard(); }
};

TEST_F(EditCommandsTest, UndoAndRedoStepThroughWholeTextChanges) {
  SetCode("first");
  SetCode("second 第二");
  Click("btn_撤销");
  EXPECT_EQ(Code(), "first");
  Click("btn_撤销");
  EXPECT_EQ(Code(), "");
  RightRelease(Button("btn_撤销"));
  EXPECT_EQ(Code(), "first");
  RightRelease(Button("btn_撤销"));
  EXPECT_EQ(Code(), "second 第二");
  RightRelease(Button("btn_撤销"));  // nothing left to redo
  EXPECT_EQ(Code(), "second 第二");
  RightRelease(Button("btn_撤销"), QPoint(-20, -20));  // away: no undo
  EXPECT_EQ(Code(), "second 第二");
  EXPECT_EQ(NewOutputLines(), std::vector<std::string>{});
}

TEST_F(EditCommandsTest, UndoRevertsTypingInTheEditor) {
  editor().setFocus();
  QTest::keyClicks(&editor(), "typed");
  ASSERT_EQ(Code(), "typed");
  Click("btn_撤销");
  EXPECT_EQ(Code(), "");
}

TEST_F(EditCommandsTest, CopyPutsTheWholeTextOnTheClipboard) {
  SetCode("var s = '中文';\r\nalert(s);");
  editor().SendScintilla(QsciScintillaBase::SCI_SETSEL, 2, 5L);
  Click("btn_复制JS");
  EXPECT_EQ(Clipboard().text().toStdString(), "var s = '中文';\r\nalert(s);");
  SetCode("");
  Click("btn_复制JS");  // an empty text is copied too
  EXPECT_EQ(Clipboard().text(), "");
}

TEST_F(EditCommandsTest, PasteReplacesTheWholeTextAsOneUndoStep) {
  SetCode("old code");
  Clipboard().setText(QString::fromUtf8("pasted 粘贴"));
  RightRelease(Button("btn_复制JS"));
  EXPECT_EQ(Code(), "pasted 粘贴");
  EXPECT_EQ(Clipboard().text().toStdString(), "pasted 粘贴")
      << "the right release does not click (which would copy)";
  Click("btn_撤销");
  EXPECT_EQ(Code(), "old code");
}

TEST_F(EditCommandsTest, PasteOfAnEmptyClipboardEmptiesTheEditor) {
  SetCode("keep me");
  Clipboard().clear();
  RightRelease(Button("btn_复制JS"));
  EXPECT_EQ(Code(), "");
  Click("btn_撤销");
  EXPECT_EQ(Code(), "keep me");
}

TEST_F(EditCommandsTest, ClearEmptiesTheEditorAndUndoRestoresIt) {
  SetCode("line 1\r\nline 2 行");
  window().address_box().setText("kept.js");
  RightRelease(Button("btn_读取"));
  EXPECT_EQ(Code(), "");
  EXPECT_EQ(window().address_box().text(), "kept.js");
  Click("btn_撤销");
  EXPECT_EQ(Code(), "line 1\r\nline 2 行");
  RightRelease(Button("btn_撤销"));
  EXPECT_EQ(Code(), "");
}

TEST_F(EditCommandsTest, TooltipsNameBothCommands) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> tips = {
      {"btn_查找",
       {"单击：查找下一个匹配（正则表达式），找完后从头开始",
        "右键松开：下次从头开始查找"}},
      {"btn_撤销", {"单击：撤销", "右键松开：重做"}},
      {"btn_复制JS",
       {"单击：复制全部代码", "右键松开：用剪贴板的文本替换全部代码"}},
      {"btn_读取", {"右键松开：清空编辑器"}},
  };
  for (const auto& [button, lines] : tips) {
    const std::string tip = Button(button).toolTip().toStdString();
    for (const std::string& line : lines) {
      EXPECT_NE(tip.find(line), std::string::npos) << button << ": " << tip;
    }
  }
}

}  // namespace
}  // namespace bramble
