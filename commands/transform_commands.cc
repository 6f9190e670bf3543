#include "commands/transform_commands.h"

#include <string>

#include "host/script_error.h"
#include "scripts/run_formatter.h"
#include "scripts/run_packer.h"
#include "shell/editor_text.h"
#include "shell/main_window.h"
#include "shell/output_log.h"
#include "shell/program_main.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

// Puts a script's result into the editor, or, when the script failed,
// keeps the text and reports the error in one output line.
void Replace(MainWindow& window, const std::string& result,
             const ScriptError& error, const char* what_failed_utf8) {
  if (error.Number != "0") {
    AppendOutput(window, TextFromUtf8(what_failed_utf8) + error.Description);
    return;
  }
  SetEditorText(window.editor(), result);
}

}  // namespace

void FormatCode(MainWindow& window) {
  ScriptError error;
  const std::string result =
      RunFormatter(GetEditorText(window.editor()), false, &error);
  Replace(window, result, error, "格式化出现错误，");
}

void CompressCode(MainWindow& window) {
  ScriptError error;
  const std::string result =
      RunMinifier(GetEditorText(window.editor()), &error);
  Replace(window, result, error, "压缩出现错误，");
}

void UnpackCode(MainWindow& window) {
  ScriptError error;
  const std::string result = RunPacker(GlobalHost(), PackerEntry::kUnpack,
                                       GetEditorText(window.editor()), &error);
  Replace(window, result, error, "解密出现错误，");
}

void PackCode(MainWindow& window) {
  ScriptError error;
  const std::string result = RunPacker(GlobalHost(), PackerEntry::kPack,
                                       GetEditorText(window.editor()), &error);
  Replace(window, result, error, "加密出现错误，");
}

}  // namespace bramble
