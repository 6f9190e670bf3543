#include "shell/window_list.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <cstdlib>
#include <utility>

#include "shell/ui_text.h"
#include "shell/x11_window_list.h"

namespace bramble {
namespace {

// Where the platform lists no windows: only the copy's own main window,
// whose class is the application's name.
class OwnWindowOnly : public WindowList {
 public:
  explicit OwnWindowOnly(QWidget& main_window) : main_window_(main_window) {}

  WindowHandle OwnWindow() const override { return kOwn; }
  std::string ClassName(WindowHandle) override {
    return FromQString(QCoreApplication::applicationName());
  }
  std::vector<WindowHandle> WindowsOfClass(std::string_view) override {
    return {kOwn};
  }
  std::string Caption(WindowHandle) override {
    return FromQString(main_window_.windowTitle());
  }
  void Sync() override {}

 private:
  static constexpr WindowHandle kOwn = 1;
  QWidget& main_window_;
};

// The X server's windows, read on the connection Qt uses for the copy's
// own windows, so that what the copy has sent is seen in order.
class X11Windows : public WindowList {
 public:
  X11Windows(xcb_connection_t* connection, xcb_window_t root, xcb_window_t own)
      : list_(connection, root), own_(own) {}

  WindowHandle OwnWindow() const override { return own_; }
  std::string ClassName(WindowHandle window) override {
    return list_.ClassName(window).value_or(std::string());
  }
  std::vector<WindowHandle> WindowsOfClass(
      std::string_view class_name) override {
    return list_.WindowsOfClass(class_name);
  }
  std::string Caption(WindowHandle window) override {
    return list_.Caption(window);
  }
  void Sync() override {
    xcb_flush(list_.connection());
    list_.Sync();
  }

 private:
  X11WindowList list_;
  xcb_window_t own_;
};

xcb_connection_t* QtXcbConnection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
  xcb_query_tree_reply_t* reply = xcb_query_tree_reply(
      connection, xcb_query_tree(connection, window), nullptr);
  const xcb_window_t root = reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
  std::free(reply);
  return root;
}

}  // namespace

std::unique_ptr<WindowList> OpenWindowList(QWidget& main_window) {
  const auto own = static_cast<xcb_window_t>(main_window.winId());
  xcb_connection_t* connection = QtXcbConnection();
  if (connection != nullptr) {
    const xcb_window_t root = RootOf(connection, own);
    if (root != XCB_WINDOW_NONE) {
      return std::make_unique<X11Windows>(connection, root, own);
    }
  }
  return std::make_unique<OwnWindowOnly>(main_window);
}

}  // namespace bramble
