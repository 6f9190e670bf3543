// The top-level windows of an X server with their classes and captions,
// read through xcb. A top-level window is a child of the root window, or,
// under a window manager that puts each client into a frame, the client
// window inside that frame; the window manager's _NET_CLIENT_LIST is read
// as well when it has one.
#ifndef BRAMBLE_SHELL_X11_WINDOW_LIST_H_
#define BRAMBLE_SHELL_X11_WINDOW_LIST_H_

#include <xcb/xcb.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bramble {

class X11WindowList {
 public:
  // Uses `connection` (not owned) and the windows under `root`.
  X11WindowList(xcb_connection_t* connection, xcb_window_t root);
  ~X11WindowList();
  X11WindowList(const X11WindowList&) = delete;
  X11WindowList& operator=(const X11WindowList&) = delete;

  // Opens a connection of its own to `display` (nullptr: $DISPLAY) and
  // lists the windows of its default screen; nullptr when there is no such
  // display.
  static std::unique_ptr<X11WindowList> Open(const char* display);

  xcb_connection_t* connection() const { return connection_; }
  xcb_window_t root() const { return root_; }

  // The top-level windows whose WM_CLASS class part is `class_name`, in
  // stacking order (bottom first) and then in the order of the client
  // list, each once.
  std::vector<xcb_window_t> WindowsOfClass(std::string_view class_name);
  // The class part of the WM_CLASS of `window`; nothing when the window has
  // no WM_CLASS or is gone.
  std::optional<std::string> ClassName(xcb_window_t window);
  // The caption of `window` in the program's bytes: _NET_WM_NAME when the
  // window has it, else WM_NAME; empty when it has neither or is gone.
  std::string Caption(xcb_window_t window);
  // A round trip: returns once the server has handled every request sent
  // on the connection so far.
  void Sync();

 private:
  struct Atoms {
    xcb_atom_t net_wm_name = XCB_ATOM_NONE;
    xcb_atom_t net_client_list = XCB_ATOM_NONE;
    xcb_atom_t utf8_string = XCB_ATOM_NONE;
    xcb_atom_t compound_text = XCB_ATOM_NONE;
  };

  std::vector<xcb_window_t> TopLevelWindows();
  std::vector<std::optional<std::string>> ClassNames(
      const std::vector<xcb_window_t>& windows);
  std::vector<std::vector<xcb_window_t>> Children(
      const std::vector<xcb_window_t>& windows);
  std::vector<xcb_window_t> ClientList();

  xcb_connection_t* connection_;
  xcb_window_t root_;
  bool owns_connection_ = false;
  Atoms atoms_;
};

}  // namespace bramble

#endif  // BRAMBLE_SHELL_X11_WINDOW_LIST_H_
