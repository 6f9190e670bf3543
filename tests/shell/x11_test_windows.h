// Windows made by a test on an X display with a connection of its own, as
// another program would make them. They are destroyed with the object.
#ifndef BRAMBLE_TESTS_SHELL_X11_TEST_WINDOWS_H_
#define BRAMBLE_TESTS_SHELL_X11_TEST_WINDOWS_H_

#include <xcb/xcb.h>

#include <string>
#include <string_view>
#include <vector>

namespace bramble::testing {

class X11TestWindows {
 public:
  explicit X11TestWindows(const std::string& display);
  ~X11TestWindows();
  X11TestWindows(const X11TestWindows&) = delete;
  X11TestWindows& operator=(const X11TestWindows&) = delete;

  bool ok() const { return root_ != XCB_WINDOW_NONE; }
  xcb_connection_t* connection() const { return connection_; }
  xcb_window_t root() const { return root_; }

  // A new window inside `parent` (the root when none is given), mapped
  // unless `mapped` is false.
  xcb_window_t Create(xcb_window_t parent = XCB_WINDOW_NONE,
                      bool mapped = true);
  void Destroy(xcb_window_t window);
  // WM_CLASS: the instance and the class name, each ended by NUL.
  void SetClass(xcb_window_t window, std::string_view instance,
                std::string_view class_name);
  // An 8-bit property of the named type, e.g. ("WM_NAME", "STRING").
  void SetText(xcb_window_t window, std::string_view property,
               std::string_view type, std::string_view value);
  // The window manager's list of client windows on the root.
  void SetClientList(const std::vector<xcb_window_t>& clients);
  // The process id a window carries in _NET_WM_PID, or 0.
  uint32_t ProcessOf(xcb_window_t window);
  // Waits until the server has handled every request sent so far.
  void Sync();

 private:
  xcb_atom_t Atom(std::string_view name);

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  std::vector<xcb_window_t> made_;
};

}  // namespace bramble::testing

#endif  // BRAMBLE_TESTS_SHELL_X11_TEST_WINDOWS_H_
