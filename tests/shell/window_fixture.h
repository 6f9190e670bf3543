// A shown main window and helpers to read what the user sees.
#ifndef BRAMBLE_TESTS_SHELL_WINDOW_FIXTURE_H_
#define BRAMBLE_TESTS_SHELL_WINDOW_FIXTURE_H_

#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "shell/editor_text.h"
#include "shell/form.h"
#include "shell/main_window.h"
#include "shell/ui_text.h"
#include "text/gb18030.h"

namespace bramble {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  MainWindow& window() { return *window_; }
  QsciScintilla& editor() { return window_->editor(); }

  QPushButton& Button(const char* name) {
    auto* button = qobject_cast<QPushButton*>(window_->Control(name));
    EXPECT_NE(button, nullptr) << name;
    return *button;
  }

  // The output box's lines, as UTF-8, without the trailing empty one.
  std::vector<std::string> OutputLines() {
    QStringList lines =
        window_->output_box().toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    std::vector<std::string> out;
    for (const QString& line : lines) out.push_back(line.toStdString());
    return out;
  }

  // The output lines written since the welcome line.
  std::vector<std::string> NewOutputLines() {
    std::vector<std::string> lines = OutputLines();
    if (!lines.empty()) lines.erase(lines.begin());
    return lines;
  }

  void SetCode(const std::string& utf8) {
    SetEditorText(editor(), TextFromUtf8(utf8));
  }

  void SetExpression(const std::string& utf8) {
    window_->expression_box().setText(QString::fromStdString(utf8));
  }

  std::pair<long, long> Selection() {
    return {editor().SendScintilla(QsciScintillaBase::SCI_GETANCHOR),
            editor().SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)};
  }

  // Releases the right mouse button over `widget` after pressing it there.
  static void RightRelease(QWidget& widget, QPoint at = {}) {
    if (at.isNull()) at = widget.rect().center();
    QTest::mousePress(&widget, Qt::RightButton, {}, widget.rect().center());
    QTest::mouseRelease(&widget, Qt::RightButton, {}, at);
  }

  std::unique_ptr<MainWindow> window_;
};

}  // namespace bramble

#endif  // BRAMBLE_TESTS_SHELL_WINDOW_FIXTURE_H_
