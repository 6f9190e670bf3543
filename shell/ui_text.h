// The program's texts at the border of Qt, whose strings hold UTF-16.
// Bytes that are not valid text travel as lone surrogates and come back
// unchanged.
#ifndef BRAMBLE_SHELL_UI_TEXT_H_
#define BRAMBLE_SHELL_UI_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

#include "text/byte_text.h"
#include "text/gb18030.h"

namespace bramble {

inline QString ToQString(std::string_view bytes) {
  const std::u16string units = BytesToUtf16(UntilNul(bytes));
  return QString(reinterpret_cast<const QChar*>(units.data()),
                 static_cast<qsizetype>(units.size()));
}

inline std::string FromQString(const QString& text) {
  const std::string bytes = Utf16ToBytes(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<size_t>(text.size())));
  return std::string(UntilNul(bytes));
}

// A caption or message written in the source as UTF-8.
inline QString Caption(std::string_view utf8) {
  return ToQString(TextFromUtf8(utf8));
}

}  // namespace bramble

#endif  // BRAMBLE_SHELL_UI_TEXT_H_
