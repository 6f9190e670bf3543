// The main window's form: every control with its name, kind, caption and
// place in the client area, row by row from the top.
#ifndef BRAMBLE_SHELL_FORM_H_
#define BRAMBLE_SHELL_FORM_H_

#include <span>

namespace bramble {

enum class ControlKind {
  kLabel,
  kLineEdit,
  kCheckBox,
  kButton,
  kCodeEditor,
  kOutputBox
};

struct ControlSpec {
  const char* name;  // UTF-8, also the widget's objectName
  ControlKind kind;
  const char* caption;  // UTF-8; null for controls without one
  int left, top, width, height;
};

// Names of the controls that code refers to.
namespace control {
inline constexpr char kAddressBox[] = "bjk_地址栏";
inline constexpr char kUtf8Box[] = "xzk_UTF8解码";
inline constexpr char kReadButton[] = "btn_读取";
inline constexpr char kEditor[] = "JavaScript";
inline constexpr char kOtherLabel[] = "bq_Other";
inline constexpr char kFindBox[] = "bjk_文本查找";
inline constexpr char kFindButton[] = "btn_查找";
inline constexpr char kFormatButton[] = "btn_格式化";
inline constexpr char kUndoButton[] = "btn_撤销";
inline constexpr char kCopyCodeButton[] = "btn_复制JS";
inline constexpr char kUnpackButton[] = "btn_eval解密";
inline constexpr char kEvalLabel[] = "bq_Eval";
inline constexpr char kExpressionBox[] = "bjk_表达式";
inline constexpr char kEvalButton[] = "btn_eval";
inline constexpr char kCopyExpressionButton[] = "btn_复制表达式";
inline constexpr char kExecuteButton[] = "btn_执行";
inline constexpr char kOutputLabel[] = "bq_Output";
inline constexpr char kOutputBox[] = "bjk_输出结果";
}  // namespace control

inline constexpr char kDesignCaption[] = "Brambleworkshop 1.0   By:Zelv No.0";
inline constexpr char kWindowClass[] = "Vantrel";
inline constexpr int kMinimumWidth = 595;
inline constexpr int kMinimumHeight = 488;

std::span<const ControlSpec> Form();

}  // namespace bramble

#endif  // BRAMBLE_SHELL_FORM_H_
