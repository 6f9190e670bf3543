#include "shell/x11_window_list.h"

#include <cstdlib>
#include <unordered_set>
#include <utility>

#include "shell/x11_text.h"

namespace bramble {
namespace {

// Properties are read up to this many 32-bit units (64 KiB).
constexpr uint32_t kMaxPropertyLongs = 16384;
// Levels of windows searched for clients: the root's children, and two
// levels inside frames (a frame, or a frame holding a wrapper).
constexpr int kClientDepth = 3;

// Frees what xcb allocated for a reply or an error.
struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

xcb_get_property_cookie_t RequestProperty(xcb_connection_t* connection,
                                          xcb_window_t window,
                                          xcb_atom_t property) {
  return xcb_get_property(connection, /*_delete=*/0, window, property,
                          XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxPropertyLongs);
}

// The reply, or nothing when the window is gone or has no such property.
XcbPtr<xcb_get_property_reply_t> TakeProperty(
    xcb_connection_t* connection, xcb_get_property_cookie_t cookie) {
  xcb_generic_error_t* error = nullptr;
  XcbPtr<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection, cookie, &error));
  std::free(error);
  if (reply == nullptr || reply->type == XCB_ATOM_NONE) return nullptr;
  return reply;
}

std::string_view BytesOf(const xcb_get_property_reply_t& reply) {
  if (reply.format != 8) return {};
  return std::string_view(
      static_cast<const char*>(xcb_get_property_value(&reply)),
      static_cast<size_t>(xcb_get_property_value_length(&reply)));
}

// WM_CLASS holds the instance name and the class name, each ended by NUL.
std::string ClassPart(std::string_view wm_class) {
  const size_t instance_end = wm_class.find('\0');
  if (instance_end == std::string_view::npos) return {};
  const std::string_view rest = wm_class.substr(instance_end + 1);
  return std::string(rest.substr(0, rest.find('\0')));
}

xcb_atom_t InternAtom(xcb_connection_t* connection,
                      xcb_intern_atom_cookie_t cookie) {
  XcbPtr<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_intern_atom_cookie_t RequestAtom(xcb_connection_t* connection,
                                     std::string_view name) {
  return xcb_intern_atom(connection, /*only_if_exists=*/0,
                         static_cast<uint16_t>(name.size()), name.data());
}

}  // namespace

X11WindowList::X11WindowList(xcb_connection_t* connection, xcb_window_t root)
    : connection_(connection), root_(root) {
  const xcb_intern_atom_cookie_t cookies[] = {
      RequestAtom(connection_, "_NET_WM_NAME"),
      RequestAtom(connection_, "_NET_CLIENT_LIST"),
      RequestAtom(connection_, "UTF8_STRING"),
      RequestAtom(connection_, "COMPOUND_TEXT"),
  };
  atoms_.net_wm_name = InternAtom(connection_, cookies[0]);
  atoms_.net_client_list = InternAtom(connection_, cookies[1]);
  atoms_.utf8_string = InternAtom(connection_, cookies[2]);
  atoms_.compound_text = InternAtom(connection_, cookies[3]);
}

X11WindowList::~X11WindowList() {
  if (owns_connection_) xcb_disconnect(connection_);
}

std::unique_ptr<X11WindowList> X11WindowList::Open(const char* display) {
  int screen_number = 0;
  xcb_connection_t* connection = xcb_connect(display, &screen_number);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return nullptr;
  }
  xcb_screen_iterator_t screens =
      xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screen_number && screens.rem > 0; ++i) {
    xcb_screen_next(&screens);
  }
  if (screens.rem == 0) {
    xcb_disconnect(connection);
    return nullptr;
  }
  auto list = std::make_unique<X11WindowList>(connection, screens.data->root);
  list->owns_connection_ = true;
  return list;
}

std::vector<xcb_window_t> X11WindowList::WindowsOfClass(
    std::string_view class_name) {
  std::vector<xcb_window_t> windows = TopLevelWindows();
  const std::vector<std::optional<std::string>> classes = ClassNames(windows);
  std::vector<xcb_window_t> matching;
  for (size_t i = 0; i < windows.size(); ++i) {
    if (classes[i] && *classes[i] == class_name) matching.push_back(windows[i]);
  }
  return matching;
}

std::optional<std::string> X11WindowList::ClassName(xcb_window_t window) {
  return ClassNames({window}).front();
}

std::string X11WindowList::Caption(xcb_window_t window) {
  const xcb_get_property_cookie_t net_name_cookie =
      RequestProperty(connection_, window, atoms_.net_wm_name);
  const xcb_get_property_cookie_t name_cookie =
      RequestProperty(connection_, window, XCB_ATOM_WM_NAME);
  const auto net_name = TakeProperty(connection_, net_name_cookie);
  const auto name = TakeProperty(connection_, name_cookie);
  if (net_name && net_name->type == atoms_.utf8_string) {
    return X11TextToBytes(X11TextType::kUtf8, BytesOf(*net_name));
  }
  if (!name) return {};
  X11TextType type = X11TextType::kLatin1;
  if (name->type == atoms_.utf8_string) type = X11TextType::kUtf8;
  if (name->type == atoms_.compound_text) type = X11TextType::kCompoundText;
  return X11TextToBytes(type, BytesOf(*name));
}

void X11WindowList::Sync() {
  XcbPtr<xcb_get_input_focus_reply_t> reply(xcb_get_input_focus_reply(
      connection_, xcb_get_input_focus(connection_), nullptr));
}

std::vector<xcb_window_t> X11WindowList::TopLevelWindows() {
  std::vector<xcb_window_t> found;
  std::unordered_set<xcb_window_t> seen;
  auto add = [&](xcb_window_t window) {
    if (seen.insert(window).second) found.push_back(window);
  };
  // A window with a WM_CLASS is a client; one without may be a frame
  // around one, so the search goes on inside it.
  std::vector<xcb_window_t> level = Children({root_}).front();
  for (int depth = 0; depth < kClientDepth && !level.empty(); ++depth) {
    const std::vector<std::optional<std::string>> classes = ClassNames(level);
    std::vector<xcb_window_t> frames;
    for (size_t i = 0; i < level.size(); ++i) {
      if (classes[i]) {
        add(level[i]);
      } else {
        frames.push_back(level[i]);
      }
    }
    level.clear();
    if (depth + 1 == kClientDepth) break;
    for (const std::vector<xcb_window_t>& inside : Children(frames)) {
      level.insert(level.end(), inside.begin(), inside.end());
    }
  }
  for (const xcb_window_t client : ClientList()) add(client);
  return found;
}

std::vector<std::optional<std::string>> X11WindowList::ClassNames(
    const std::vector<xcb_window_t>& windows) {
  std::vector<xcb_get_property_cookie_t> cookies;
  cookies.reserve(windows.size());
  for (const xcb_window_t window : windows) {
    cookies.push_back(RequestProperty(connection_, window, XCB_ATOM_WM_CLASS));
  }
  std::vector<std::optional<std::string>> classes;
  classes.reserve(windows.size());
  for (const xcb_get_property_cookie_t cookie : cookies) {
    const auto reply = TakeProperty(connection_, cookie);
    if (reply) {
      classes.emplace_back(ClassPart(BytesOf(*reply)));
    } else {
      classes.emplace_back();
    }
  }
  return classes;
}

std::vector<std::vector<xcb_window_t>> X11WindowList::Children(
    const std::vector<xcb_window_t>& windows) {
  std::vector<xcb_query_tree_cookie_t> cookies;
  cookies.reserve(windows.size());
  for (const xcb_window_t window : windows) {
    cookies.push_back(xcb_query_tree(connection_, window));
  }
  std::vector<std::vector<xcb_window_t>> children;
  children.reserve(windows.size());
  for (const xcb_query_tree_cookie_t cookie : cookies) {
    xcb_generic_error_t* error = nullptr;
    XcbPtr<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection_, cookie, &error));
    std::free(error);
    std::vector<xcb_window_t>& inside = children.emplace_back();
    if (reply) {
      const xcb_window_t* first = xcb_query_tree_children(reply.get());
      inside.assign(first, first + xcb_query_tree_children_length(reply.get()));
    }
  }
  return children;
}

std::vector<xcb_window_t> X11WindowList::ClientList() {
  const auto reply = TakeProperty(
      connection_, RequestProperty(connection_, root_, atoms_.net_client_list));
  if (!reply || reply->format != 32) return {};
  const auto* first =
      static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
  return std::vector<xcb_window_t>(
      first, first + xcb_get_property_value_length(reply.get()) / 4);
}

}  // namespace bramble
