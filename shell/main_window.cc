#include "shell/main_window.h"

#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

#include "shell/code_editor.h"
#include "shell/command_map.h"
#include "shell/form.h"
#include "shell/instance_number.h"
#include "shell/layout.h"
#include "shell/output_log.h"
#include "shell/ui_text.h"

namespace bramble {
namespace {

constexpr char kWelcome[] = "欢迎使用Brambleworkshop,作者：Zelv";

QPlainTextEdit* CreateOutputBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setFrameShape(QFrame::NoFrame);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setUndoRedoEnabled(false);  // log lines are not undoable
  QPalette palette = box->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, Qt::black);
    palette.setColor(group, QPalette::Text, Qt::white);
  }
  box->setPalette(palette);
  QFont font = box->font();
  font.setPixelSize(13);
  font.setWeight(QFont::Normal);
  box->setFont(font);
  return box;
}

// The form gives the check box little room: its caption gets a smaller font
// where the default one would be cut off.
QCheckBox* CreateCheckBox(const QString& caption, int width, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
  QFont font = box->font();
  while (box->sizeHint().width() > width && font.pointSizeF() > 6) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    box->setFont(font);
  }
  return box;
}

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
  const QString caption = spec.caption ? Caption(spec.caption) : QString();
  switch (spec.kind) {
    case ControlKind::kLabel:
      return new QLabel(caption, parent);
    case ControlKind::kLineEdit:
      return new QLineEdit(parent);
    case ControlKind::kCheckBox:
      return CreateCheckBox(caption, spec.width, parent);
    case ControlKind::kButton: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::kCodeEditor:
      return CreateCodeEditor(parent);
    case ControlKind::kOutputBox:
      return CreateOutputBox(parent);
  }
  return nullptr;
}

}  // namespace

MainWindow::MainWindow() {
  setWindowTitle(Caption(kDesignCaption));
  setAutoFillBackground(true);
  CreateControls();
  resize(kMinimumWidth, kMinimumHeight);
  MoveToScreenCentre();
  router_ = BindCommands(*this);
  RunCreatedEvent();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls() {
  for (const ControlSpec& spec : Form()) {
    QWidget* control = CreateControl(spec, this);
    control->setObjectName(QString::fromUtf8(spec.name));
    control->setGeometry(spec.left, spec.top, spec.width, spec.height);
    if (spec.kind != ControlKind::kLabel)
      control->setFocusPolicy(Qt::StrongFocus);
  }
  editor_ = findChild<QsciScintilla*>(QString::fromUtf8(control::kEditor));
  address_box_ = findChild<QLineEdit*>(QString::fromUtf8(control::kAddressBox));
  utf8_box_ = findChild<QCheckBox*>(QString::fromUtf8(control::kUtf8Box));
  find_box_ = findChild<QLineEdit*>(QString::fromUtf8(control::kFindBox));
  expression_box_ =
      findChild<QLineEdit*>(QString::fromUtf8(control::kExpressionBox));
  output_box_ =
      findChild<QPlainTextEdit*>(QString::fromUtf8(control::kOutputBox));
}

void MainWindow::RunCreatedEvent() {
  NumberInstance(*this);
  SetUpMainWindow(*this);
  AppendOutput(*this, TextFromUtf8(kWelcome));
}

QWidget* MainWindow::Control(std::string_view name) const {
  return findChild<QWidget*>(
      QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
      Qt::FindDirectChildrenOnly);
}

QSize MainWindow::OuterSize() const { return frameGeometry().size(); }

void MainWindow::SetOuterSize(int width, int height) {
  const QSize frame = frameGeometry().size() - geometry().size();
  resize(width - frame.width(), height - frame.height());
}

// The form's size is the outer size, frame included, which is known only
// once the window is on the screen.
void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  SetOuterSize(kMinimumWidth, kMinimumHeight);
  MoveToScreenCentre();
}

void MainWindow::MoveToScreenCentre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  // For a window, move() places the frame.
  move(area.x() + (area.width() - kMinimumWidth) / 2,
       area.y() + (area.height() - kMinimumHeight) / 2);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isMinimized()) return;
  LayOutControls(*this);
}

void SetUpMainWindow(MainWindow& window) {
  QsciScintilla& editor = window.editor();
  editor.SendScintilla(QsciScintillaBase::SCI_SETMARGINTYPEN, 0,
                       QsciScintillaBase::SC_MARGIN_NUMBER);
  editor.SendScintilla(QsciScintillaBase::SCI_SETMARGINWIDTHN, 0, 40);
  editor.SendScintilla(QsciScintillaBase::SCI_STYLESETFORE, 41, 0L);
  window.address_box().setFocus();
}

}  // namespace bramble
