#include "shell/command_map.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <map>
#include <utility>

#include "commands/edit_commands.h"
#include "commands/find_commands.h"
#include "commands/load_commands.h"
#include "commands/run_commands.h"
#include "commands/toggle_utf8.h"
#include "commands/transform_commands.h"
#include "shell/form.h"
#include "shell/main_window.h"
#include "shell/ui_text.h"

namespace bramble {

std::span<const Binding> CommandMap() {
  using E = ControlEvent;
  using namespace control;
  static const Binding kMap[] = {
      {kReadButton, E::kClicked, StartLoad, "单击：读取路径框中的文件或网址"},
      {kAddressBox, E::kEnterReleased, StartLoad, nullptr},
      {kAddressBox, E::kDoubleClicked, ClearAddress, nullptr},
      {kReadButton, E::kRightReleased, ClearCode, "右键松开：清空编辑器"},
      {kUtf8Box, E::kClicked, ToggleUtf8,
       "单击：勾选时把代码按 UTF-8 解码，取消勾选时转回 UTF-8 字节"},
      {kFindButton, E::kClicked, FindNext,
       "单击：查找下一个匹配（正则表达式），找完后从头开始"},
      {kFindBox, E::kEnterReleased, FindNext, nullptr},
      {kFindButton, E::kRightReleased, ResetFind, "右键松开：下次从头开始查找"},
      {kFindBox, E::kTextChanged, ResetFind, nullptr},
      {kFindBox, E::kDoubleClicked, ClearFindText, nullptr},
      {kFormatButton, E::kClicked, FormatCode, "单击：格式化代码"},
      {kFormatButton, E::kRightReleased, CompressCode, "右键松开：压缩代码"},
      {kUndoButton, E::kClicked, UndoEdit, "单击：撤销"},
      {kUndoButton, E::kRightReleased, RedoEdit, "右键松开：重做"},
      {kCopyCodeButton, E::kClicked, CopyCode, "单击：复制全部代码"},
      {kCopyCodeButton, E::kRightReleased, PasteCode,
       "右键松开：用剪贴板的文本替换全部代码"},
      {kUnpackButton, E::kClicked, UnpackCode,
       "单击：解密 eval(function(p,a,c,k,e,d)…) 代码"},
      {kUnpackButton, E::kRightReleased, PackCode,
       "右键松开：加密为 p,a,c,k,e,d 形式"},
      {kEvalButton, E::kClicked, EvaluateExpression,
       "单击：执行代码，再计算表达式"},
      {kExpressionBox, E::kEnterReleased, EvaluateExpression, nullptr},
      {kExpressionBox, E::kDoubleClicked, ClearExpression, nullptr},
      {kCopyExpressionButton, E::kClicked, CopyExpression, "单击：复制表达式"},
      {kCopyExpressionButton, E::kRightReleased, PasteExpression,
       "右键松开：粘贴到表达式"},
      {kExecuteButton, E::kClicked, ExecuteCode, "单击：执行编辑器中的代码"},
  };
  return kMap;
}

// Turns the low-level events of the controls into control events.
class CommandRouter : public QObject {
 public:
  explicit CommandRouter(MainWindow& window)
      : QObject(&window), window_(window) {}

  void Add(QWidget* control, const Binding& binding) {
    const Command command = binding.command;
    switch (binding.event) {
      case ControlEvent::kClicked:
        connect(static_cast<QAbstractButton*>(control),
                &QAbstractButton::clicked, this,
                [this, command] { command(window_); });
        break;
      case ControlEvent::kTextChanged:
        connect(static_cast<QLineEdit*>(control), &QLineEdit::textChanged, this,
                [this, command] { command(window_); });
        break;
      default:
        filtered_[{control, binding.event}] = command;
        control->installEventFilter(this);
        break;
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto raised = ControlEventOf(watched, event);
    if (!raised) return false;
    const auto found = filtered_.find({watched, *raised});
    if (found != filtered_.end()) found->second(window_);
    return false;
  }

 private:
  static std::optional<ControlEvent> ControlEventOf(QObject* watched,
                                                    QEvent* event) {
    switch (event->type()) {
      case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::RightButton &&
            widget->rect().contains(mouse->position().toPoint())) {
          return ControlEvent::kRightReleased;
        }
        return std::nullopt;
      }
      case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          return ControlEvent::kDoubleClicked;
        }
        return std::nullopt;
      case QEvent::KeyRelease: {
        // A held key repeats its release on X11: only the real one counts.
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !key->isAutoRepeat()) {
          return ControlEvent::kEnterReleased;
        }
        return std::nullopt;
      }
      default:
        return std::nullopt;
    }
  }

  MainWindow& window_;
  std::map<std::pair<QObject*, ControlEvent>, Command> filtered_;
};

CommandRouter* BindCommands(MainWindow& window) {
  auto* router = new CommandRouter(window);
  std::map<QWidget*, QStringList> tips;
  for (const Binding& binding : CommandMap()) {
    QWidget* control = window.Control(binding.control);
    if (control == nullptr) continue;
    router->Add(control, binding);
    if (binding.summary != nullptr) {
      tips[control].append(QString::fromUtf8(binding.summary));
    }
  }
  for (auto& [control, lines] : tips) control->setToolTip(lines.join('\n'));
  return router;
}

}  // namespace bramble
