#include "shell/layout.h"

#include "shell/form.h"
#include "shell/main_window.h"

namespace bramble {
namespace {

void SetLeft(QWidget* w, int left) { w->move(left, w->y()); }
void SetTop(QWidget* w, int top) { w->move(w->x(), top); }
void SetWidth(QWidget* w, int width) { w->resize(width, w->height()); }
void SetHeight(QWidget* w, int height) { w->resize(w->width(), height); }

}  // namespace

void LayOutControls(MainWindow& window) {
  const QSize outer = window.OuterSize();
  const int w = outer.width();
  const int h = outer.height();
  if (w < kMinimumWidth || h < kMinimumHeight) {
    window.SetOuterSize(kMinimumWidth, kMinimumHeight);
    return;
  }
  using namespace control;
  const auto c = [&window](const char* name) { return window.Control(name); };
  SetLeft(c(kReadButton), w - 89);
  SetLeft(c(kUtf8Box), w - 139);
  SetWidth(c(kAddressBox), w - 190);
  SetWidth(c(kEditor), w - 20);
  SetLeft(c(kUnpackButton), w - 69);
  SetLeft(c(kCopyCodeButton), w - 125);
  SetLeft(c(kUndoButton), w - 181);
  SetLeft(c(kFormatButton), w - 237);
  SetLeft(c(kFindButton), w - 293);
  SetWidth(c(kFindBox), w - 339);
  SetLeft(c(kExecuteButton), w - 69);
  SetLeft(c(kCopyExpressionButton), w - 125);
  SetLeft(c(kEvalButton), w - 181);
  SetWidth(c(kExpressionBox), w - 227);
  SetWidth(c(kOutputBox), w - 58);
  SetHeight(c(kEditor), h - 228);
  SetTop(c(kOtherLabel), h - 181);
  const int other_row = c(kOtherLabel)->y();
  for (const char* name : {kFindBox, kFindButton, kFormatButton, kUndoButton,
                           kCopyCodeButton, kUnpackButton}) {
    SetTop(c(name), other_row);
  }
  SetTop(c(kEvalLabel), h - 152);
  const int eval_row = c(kEvalLabel)->y();
  for (const char* name :
       {kExpressionBox, kEvalButton, kCopyExpressionButton, kExecuteButton}) {
    SetTop(c(name), eval_row);
  }
  SetTop(c(kOutputLabel), h - 122);
  SetTop(c(kOutputBox), c(kOutputLabel)->y());
}

}  // namespace bramble
