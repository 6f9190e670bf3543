#include "shell/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>

#include "shell/ui_text.h"

namespace bramble {

void PutClipboardText(std::string_view text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(ToQString(text));
  }
}

std::string GetClipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? FromQString(clipboard->text()) : std::string();
}

}  // namespace bramble
