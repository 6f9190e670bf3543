// The top-level windows of a class with their captions: the copies of the
// program find each other through it. On X11 it reads the X server's
// windows; where the platform offers no such list the copy sees only its
// own main window.
#ifndef BRAMBLE_SHELL_WINDOW_LIST_H_
#define BRAMBLE_SHELL_WINDOW_LIST_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace bramble {

using WindowHandle = uint32_t;

class WindowList {
 public:
  virtual ~WindowList() = default;

  // The copy's own main window.
  virtual WindowHandle OwnWindow() const = 0;
  // The class name `window` is registered under, as the platform holds it.
  virtual std::string ClassName(WindowHandle window) = 0;
  // Every top-level window whose class name is `class_name`, the copy's own
  // included, each once.
  virtual std::vector<WindowHandle> WindowsOfClass(
      std::string_view class_name) = 0;
  // The caption of `window` in the program's bytes, whole; empty when it
  // has none or is gone.
  virtual std::string Caption(WindowHandle window) = 0;
  // Returns once everything the copy has done to its windows so far is
  // visible to the other copies.
  virtual void Sync() = 0;
};

// The list for `main_window`, whose native window this creates when it
// does not exist yet.
std::unique_ptr<WindowList> OpenWindowList(QWidget& main_window);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_WINDOW_LIST_H_
