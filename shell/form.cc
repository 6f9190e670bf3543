#include "shell/form.h"

namespace bramble {

std::span<const ControlSpec> Form() {
  using K = ControlKind;
  using namespace control;
  static const ControlSpec kControls[] = {
      {"bq_URL", K::kLabel, "路径：", 9, 8, 30, 16},
      {kAddressBox, K::kLineEdit, nullptr, 40, 8, 404, 24},
      {kUtf8Box, K::kCheckBox, "UTF8", 456, 8, 44, 24},
      {kReadButton, K::kButton, "读取JS", 506, 8, 70, 25},
      {kEditor, K::kCodeEditor, nullptr, 1, 40, 575, 260},
      {kOtherLabel, K::kLabel, "其他：", 9, 307, 29, 18},
      {kFindBox, K::kLineEdit, nullptr, 40, 307, 256, 24},
      {kFindButton, K::kButton, "查找", 302, 307, 50, 25},
      {kFormatButton, K::kButton, "格式化", 358, 307, 50, 25},
      {kUndoButton, K::kButton, "撤销", 414, 307, 50, 25},
      {kCopyCodeButton, K::kButton, "复制JS", 470, 307, 50, 25},
      {kUnpackButton, K::kButton, "解密", 526, 307, 50, 25},
      {kEvalLabel, K::kLabel, "计算：", 9, 336, 28, 13},
      {kExpressionBox, K::kLineEdit, nullptr, 40, 336, 368, 24},
      {kEvalButton, K::kButton, "计算", 414, 336, 50, 25},
      {kCopyExpressionButton, K::kButton, "复制", 470, 336, 50, 25},
      {kExecuteButton, K::kButton, "执行", 526, 336, 50, 25},
      {kOutputLabel, K::kLabel, "输出", 9, 366, 24, 12},
      {kOutputBox, K::kOutputBox, nullptr, 40, 366, 537, 87},
  };
  return kControls;
}

}  // namespace bramble
