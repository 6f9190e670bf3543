#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <random>

#include "shell/command_map.h"
#include "shell/output_log.h"
#include "window_fixture.h"

namespace bramble {
namespace {

using S = QsciScintillaBase;

QString CaptionOf(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    return button->text();
  }
  return {};
}

TEST_F(WindowTest, EveryControlOfTheFormIsInPlace) {
  // The created event numbered the design caption; offscreen, the copy
  // sees no other window and takes 1.
  EXPECT_EQ(window().windowTitle().toStdString(),
            "Brambleworkshop 1.0   By:Zelv No.01");
  EXPECT_EQ(window().OuterSize(), QSize(595, 488));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window().frameGeometry().topLeft(),
            QPoint((screen.width() - 595) / 2, (screen.height() - 488) / 2));
  for (const ControlSpec& spec : Form()) {
    QWidget* control = window().Control(spec.name);
    ASSERT_NE(control, nullptr) << spec.name;
    EXPECT_TRUE(control->isVisible()) << spec.name;
    EXPECT_TRUE(control->isEnabled()) << spec.name;
    // At the minimum size the layout gives the form's places, except that
    // the address box is one pixel wider.
    const int width =
        spec.name == std::string(control::kAddressBox) ? 405 : spec.width;
    EXPECT_EQ(control->geometry(),
              QRect(spec.left, spec.top, width, spec.height))
        << spec.name;
    if (spec.caption) {
      EXPECT_EQ(CaptionOf(control), QString::fromUtf8(spec.caption));
    }
  }
  EXPECT_FALSE(window().utf8_box().isChecked());
  EXPECT_EQ(CaptionOf(window().Control("btn_eval解密")), "解密");
}

TEST_F(WindowTest, CreatedEventSetsUpEditorFocusAndWelcomeLine) {
  EXPECT_EQ(OutputLines(),
            std::vector<std::string>{"==> 欢迎使用Brambleworkshop,作者：Zelv"});
  EXPECT_EQ(window().focusWidget(), &window().address_box());
  struct Setting {
    unsigned int message;
    unsigned long w_param;
    long expected;
  };
  const Setting settings[] = {
      {S::SCI_GETMARGINTYPEN, 0, S::SC_MARGIN_NUMBER},
      {S::SCI_GETMARGINWIDTHN, 0, 40},
      {S::SCI_GETMARGINWIDTHN, 1, 0},
      {S::SCI_STYLEGETFORE, 41, 0},
      {S::SCI_GETREADONLY, 0, 0},
      {S::SCI_GETHSCROLLBAR, 0, 0},
      {S::SCI_GETVSCROLLBAR, 0, 1},
      {S::SCI_GETVIEWWS, 0, 0},
      {S::SCI_GETCURSOR, 0, -1},
      {S::SCI_GETEOLMODE, 0, S::SC_EOL_CRLF},
      {S::SCI_GETVIEWEOL, 0, 0},
      {S::SCI_GETCARETFORE, 0, 0},
      {S::SCI_GETCARETLINEVISIBLE, 0, 0},
      {S::SCI_GETCARETPERIOD, 0, 500},
      {S::SCI_GETCARETWIDTH, 0, 1},
      {S::SCI_GETCODEPAGE, 0, S::SC_CP_UTF8},
      {S::SCI_GETINDENTATIONGUIDES, 0, 0},
      {S::SCI_GETWRAPMODE, 0, S::SC_WRAP_WORD},
      {S::SCI_GETLEXER, 0, 1},  // SCLEX_NULL: no lexer
  };
  for (const Setting& s : settings) {
    EXPECT_EQ(editor().SendScintilla(s.message, s.w_param), s.expected)
        << "message " << s.message << " (" << s.w_param << ")";
  }
}

TEST_F(WindowTest, TooSmallSnapsBackToTheMinimumInBothDirections) {
  window().SetOuterSize(500, 600);
  QTRY_COMPARE(window().OuterSize(), QSize(595, 488));
}

TEST_F(WindowTest, ControlsFollowTheRightAndBottomEdges) {
  window().SetOuterSize(800, 700);
  QTRY_COMPARE(window().OuterSize(), QSize(800, 700));
  const auto place = [this](const char* name) {
    return window().Control(name)->geometry();
  };
  EXPECT_EQ(place("btn_读取").left(), 711);
  EXPECT_EQ(place("xzk_UTF8解码").left(), 661);
  EXPECT_EQ(place("bjk_地址栏").width(), 610);
  EXPECT_EQ(place("JavaScript"), QRect(1, 40, 780, 472));
  EXPECT_EQ(place("bq_Other").top(), 519);
  EXPECT_EQ(place("bjk_文本查找"), QRect(40, 519, 461, 24));
  for (const char* name :
       {"btn_查找", "btn_格式化", "btn_撤销", "btn_复制JS", "btn_eval解密"}) {
    EXPECT_EQ(place(name).top(), 519) << name;
  }
  EXPECT_EQ(place("btn_eval解密").left(), 731);
  EXPECT_EQ(place("btn_查找").left(), 507);
  EXPECT_EQ(place("bq_Eval").top(), 548);
  EXPECT_EQ(place("bjk_表达式"), QRect(40, 548, 573, 24));
  EXPECT_EQ(place("btn_执行"), QRect(731, 548, 50, 25));
  EXPECT_EQ(place("btn_eval").left(), 619);
  EXPECT_EQ(place("bq_Output").top(), 578);
  EXPECT_EQ(place("bjk_输出结果"), QRect(40, 578, 742, 87));
  // Back at the minimum, everything is where the form has it.
  window().SetOuterSize(595, 488);
  QTRY_COMPARE(window().OuterSize(), QSize(595, 488));
  EXPECT_EQ(place("btn_读取").left(), 506);
  EXPECT_EQ(place("bjk_输出结果"), QRect(40, 366, 537, 87));
}

TEST_F(WindowTest, ButtonsNameTheirClickAndRightRelease) {
  EXPECT_EQ(Button("btn_复制表达式").toolTip(),
            "单击：复制表达式\n右键松开：粘贴到表达式");
  for (const Binding& binding : CommandMap()) {
    if (auto* button =
            qobject_cast<QPushButton*>(window().Control(binding.control))) {
      EXPECT_FALSE(button->toolTip().isEmpty()) << binding.control;
    }
  }
}

TEST_F(WindowTest, OutputAlwaysLandsAtTheEnd) {
  QPlainTextEdit& box = window().output_box();
  // The user typed into the box and left the caret at its start.
  box.moveCursor(QTextCursor::End);
  box.insertPlainText("typed");
  box.moveCursor(QTextCursor::Start);
  box.selectAll();
  AppendOutput(window(), TextFromUtf8("one\r\ntwo"));
  AppendOutput(window(), "");
  EXPECT_EQ(OutputLines(),
            (std::vector<std::string>{"==> 欢迎使用Brambleworkshop,作者：Zelv",
                                      "typed==> one", "two", "==> "}));
  EXPECT_EQ(box.textCursor().position(), box.document()->characterCount() - 1);
  EXPECT_FALSE(box.textCursor().hasSelection());
}

TEST_F(WindowTest, ManyLinesScrollTheNewestIntoView) {
  for (int i = 0; i < 200; ++i) AppendOutput(window(), std::to_string(i));
  QPlainTextEdit& box = window().output_box();
  EXPECT_GT(box.verticalScrollBar()->maximum(), 0);
  // The last line written, "==> 199", is inside the visible area.
  QTextCursor last(box.document()->lastBlock().previous());
  EXPECT_EQ(last.block().text(), "==> 199");
  EXPECT_TRUE(box.viewport()->rect().contains(box.cursorRect(last)));
}

TEST_F(WindowTest, EditorTextKeepsAnyBytesAndIsOneUndoStep) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<size_t> length(0, 200);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(length(rng), ' ');
    for (char& c : bytes) c = static_cast<char>(byte(rng));
    SetEditorText(editor(), bytes);
    ASSERT_EQ(GetEditorText(editor()), bytes);
  }
  SetEditorText(editor(), "first");
  SetEditorText(editor(), "\xD6\xD0second");
  EXPECT_EQ(editor().SendScintilla(S::SCI_GETCURRENTPOS), 0);
  editor().SendScintilla(S::SCI_UNDO);
  EXPECT_EQ(GetEditorText(editor()), "first");
  SetEditorText(editor(), "");
  EXPECT_EQ(GetEditorText(editor()), "");
  editor().SendScintilla(S::SCI_UNDO);
  EXPECT_EQ(GetEditorText(editor()), "first");
}

TEST_F(WindowTest, TypedChineseReachesTheEditorAsCodePageBytes) {
  editor().setFocus();
  QTest::keyClick(&editor(), Qt::Key_A);
  QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier,
                    QString::fromUtf8("中"));
  QCoreApplication::sendEvent(&editor(), &chinese);
  EXPECT_EQ(GetEditorText(editor()), "a\xD6\xD0");
}

}  // namespace
}  // namespace bramble
