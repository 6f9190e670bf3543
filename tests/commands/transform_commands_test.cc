#include "commands/transform_commands.h"

#include "host/script_host.h"
#include "shell/program_main.h"
#include "tests/shell/window_fixture.h"

namespace bramble {
namespace {

using Lines = std::vector<std::string>;

class TransformCommandsTest : public WindowTest {
 protected:
  std::string Code() { return BytesToEditorUtf8(GetEditorText(editor())); }
  void Undo() { editor().SendScintilla(QsciScintillaBase::SCI_UNDO); }
};

TEST_F(TransformCommandsTest, FormatAndCompressAreOneUndoStepEach) {
  SetCode("if(a){b()}\r\nc('中')");
  QTest::mouseClick(&Button("btn_格式化"), Qt::LeftButton);
  EXPECT_EQ(Code(), "if (a) {\n    b()\n}\nc('中')");
  RightRelease(Button("btn_格式化"));
  EXPECT_EQ(Code(), "if(a){b()}\nc('中')");
  Undo();
  EXPECT_EQ(Code(), "if (a) {\n    b()\n}\nc('中')");
  Undo();
  EXPECT_EQ(Code(), "if(a){b()}\r\nc('中')");
  EXPECT_EQ(NewOutputLines(), Lines{});
}

TEST_F(TransformCommandsTest, CompressKeepsAFirstCharacterThatIsCode) {
  const std::pair<const char*, const char*> cases[] = {
      {"var a = 1;", "var a=1;"},
      {"(function () {})()", "(function(){})()"},
      {"'use strict';\nx()", "'use strict';x()"},
      {"!function () {}()", "!function(){}()"},
      {";x = 1", ";x=1"},
      {"  // only a comment", ""},
  };
  for (const auto& [code, compressed] : cases) {
    SetCode(code);
    RightRelease(Button("btn_格式化"));
    EXPECT_EQ(Code(), compressed) << code;
  }
}

TEST_F(TransformCommandsTest, AFailingScriptKeepsTheTextAndSaysWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"a = 'open",
       "==> 压缩出现错误，uncaught exception: Error: "
       "unterminated string literal: -1"},
      {"a /* open",
       "==> 压缩出现错误，uncaught exception: Error: "
       "Unterminated comment."},
  };
  for (const auto& [code, line] : cases) {
    SetCode(code);
    RightRelease(Button("btn_格式化"));
    EXPECT_EQ(Code(), code);
    EXPECT_EQ(NewOutputLines().back(), line);
  }
  SetCode("+-*/ ;");  // no word to pack
  RightRelease(Button("btn_eval解密"));
  EXPECT_EQ(Code(), "+-*/ ;");
  EXPECT_EQ(NewOutputLines().back().rfind("==> 加密出现错误，", 0), 0u);
  SetCode("var = ;");  // not packed, not valid either
  QTest::mouseClick(&Button("btn_eval解密"), Qt::LeftButton);
  EXPECT_EQ(Code(), "var = ;");
  EXPECT_EQ(NewOutputLines().back().rfind("==> 解密出现错误，", 0), 0u);
  EXPECT_EQ(NewOutputLines().size(), 4u);
}

TEST_F(TransformCommandsTest, PackThenUnpackGivesTheCodeBack) {
  const std::string code = "var 名 = 'a\\nb';\r\nf(名) // done\r\ng()";
  SetCode(code);
  RightRelease(Button("btn_eval解密"));
  const std::string packed = Code();
  EXPECT_EQ(packed.rfind("eval(function(p,a,c,k,e,d){", 0), 0u);
  EXPECT_EQ(packed.find('\n'), std::string::npos);
  // The user's own names do not disturb the packer.
  GlobalHost().ExecuteStatement("var a = 1; function uncode() { return 'x'; }");
  QTest::mouseClick(&Button("btn_eval解密"), Qt::LeftButton);
  EXPECT_EQ(Code(), code);
  EXPECT_EQ(GlobalHost().Eval("a"), "62");
  Undo();
  EXPECT_EQ(Code(), packed);
}

TEST_F(TransformCommandsTest, UnpackWithoutAValueEmptiesTheEditor) {
  SetCode("var unpackedRan = true;");
  QTest::mouseClick(&Button("btn_eval解密"), Qt::LeftButton);
  EXPECT_EQ(Code(), "");
  EXPECT_EQ(GlobalHost().Eval("unpackedRan"), "true");
  Undo();
  EXPECT_EQ(Code(), "var unpackedRan = true;");
}

}  // namespace
}  // namespace bramble
