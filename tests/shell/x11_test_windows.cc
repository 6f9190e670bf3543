#include "tests/shell/x11_test_windows.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace bramble::testing {

X11TestWindows::X11TestWindows(const std::string& display) {
  int screen_number = 0;
  connection_ = xcb_connect(display.c_str(), &screen_number);
  if (xcb_connection_has_error(connection_)) return;
  xcb_screen_iterator_t screens =
      xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screen_number && screens.rem > 0; ++i) {
    xcb_screen_next(&screens);
  }
  if (screens.rem > 0) root_ = screens.data->root;
}

X11TestWindows::~X11TestWindows() {
  if (ok()) {
    // Children first, so that no window is destroyed twice.
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      xcb_destroy_window(connection_, *it);
    }
    xcb_delete_property(connection_, root_, Atom("_NET_CLIENT_LIST"));
    Sync();
  }
  xcb_disconnect(connection_);
}

xcb_window_t X11TestWindows::Create(xcb_window_t parent, bool mapped) {
  const xcb_window_t window = xcb_generate_id(connection_);
  xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window,
                    parent == XCB_WINDOW_NONE ? root_ : parent, 0, 0, 100, 80,
                    0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0,
                    nullptr);
  if (mapped) xcb_map_window(connection_, window);
  made_.push_back(window);
  return window;
}

void X11TestWindows::Destroy(xcb_window_t window) {
  xcb_destroy_window(connection_, window);
  made_.erase(std::remove(made_.begin(), made_.end(), window), made_.end());
  Sync();
}

void X11TestWindows::SetClass(xcb_window_t window, std::string_view instance,
                              std::string_view class_name) {
  std::string value(instance);
  value.push_back('\0');
  value.append(class_name);
  value.push_back('\0');
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window,
                      XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                      static_cast<uint32_t>(value.size()), value.data());
}

void X11TestWindows::SetText(xcb_window_t window, std::string_view property,
                             std::string_view type, std::string_view value) {
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window,
                      Atom(property), Atom(type), 8,
                      static_cast<uint32_t>(value.size()), value.data());
}

void X11TestWindows::SetClientList(const std::vector<xcb_window_t>& clients) {
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, root_,
                      Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 32,
                      static_cast<uint32_t>(clients.size()), clients.data());
}

uint32_t X11TestWindows::ProcessOf(xcb_window_t window) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection_,
      xcb_get_property(connection_, 0, window, Atom("_NET_WM_PID"),
                       XCB_ATOM_CARDINAL, 0, 1),
      nullptr);
  uint32_t pid = 0;
  if (reply != nullptr && reply->format == 32 &&
      xcb_get_property_value_length(reply) == 4) {
    pid = *static_cast<const uint32_t*>(xcb_get_property_value(reply));
  }
  std::free(reply);
  return pid;
}

void X11TestWindows::Sync() {
  std::free(xcb_get_input_focus_reply(
      connection_, xcb_get_input_focus(connection_), nullptr));
}

xcb_atom_t X11TestWindows::Atom(std::string_view name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection_,
      xcb_intern_atom(connection_, 0, static_cast<uint16_t>(name.size()),
                      name.data()),
      nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

}  // namespace bramble::testing
