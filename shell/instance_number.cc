#include "shell/instance_number.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>

#include "shell/ui_text.h"
#include "shell/window_number.h"
#include "text/byte_text.h"

namespace bramble {

void NumberInstance(QWidget& main_window) {
  const std::unique_ptr<WindowList> windows = OpenWindowList(main_window);
  NumberInstance(main_window, *windows);
}

void NumberInstance(QWidget& main_window, WindowList& windows) {
  std::vector<int32_t> numbers;
  const std::string class_name = windows.ClassName(windows.OwnWindow());
  for (const WindowHandle window : windows.WindowsOfClass(class_name)) {
    numbers.push_back(WindowNumber(GetCaption(windows, window)));
  }
  SortIntegers(numbers, /*ascending=*/false, /*ascending_given=*/true);
  // The own window is always among them and counts 0 while it carries the
  // design caption; an empty list stands for it alone.
  const int64_t largest = numbers.empty() ? 0 : numbers.front();
  const std::string caption =
      NumberedCaption(FromQString(main_window.windowTitle()), largest + 1);
  main_window.setWindowTitle(ToQString(caption));
  windows.Sync();
}

std::string GetCaption(WindowList& windows, WindowHandle window) {
  return Left(windows.Caption(window), kMaxCaptionBytes);
}

void SortIntegers(std::vector<int32_t>& list, bool ascending,
                  bool ascending_given) {
  const bool descending = ascending_given && !ascending;
  const size_t n = list.size();
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j + 1 < n; ++j) {
      const bool exchange = descending ? list[j] < list[i] : list[j] > list[i];
      if (exchange) std::swap(list[i], list[j]);
    }
  }
}

std::string NumberedCaption(std::string_view caption, int64_t number) {
  return Left(caption, kKeptCaptionBytes) + std::to_string(number);
}

}  // namespace bramble
