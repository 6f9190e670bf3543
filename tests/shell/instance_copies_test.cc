// Running copies of the workbench number themselves: real brambleworkshop
// processes on an Xvfb display of the test's own, their captions read back
// through the X11 window list, next to windows of another program made by
// the test.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "shell/x11_window_list.h"
#include "tests/shell/x11_test_windows.h"
#include "tests/shell/xvfb_fixture.h"

extern char** environ;

namespace bramble {
namespace {

using ::bramble::testing::XvfbTest;

constexpr char kWorkbench[] = BRAMBLEWORKSHOP_PATH;
constexpr char kClass[] = "Vantrel";
const std::string kDesignCaption = "Brambleworkshop 1.0   By:Zelv No.0";
// How long a copy may take to start or to end before the test gives up.
constexpr auto kPatience = std::chrono::seconds(60);
constexpr auto kPollInterval = std::chrono::milliseconds(20);

class InstanceCopiesTest : public XvfbTest {
 protected:
  void TearDown() override {
    while (!copies_.empty()) StopCopy(copies_.back());
  }

  // Starts a copy on the display and returns its caption once the copy has
  // numbered itself; the empty text when it did not.
  std::string StartCopy() {
    std::vector<std::string> variables = {"DISPLAY=" + display_->name(),
                                          "QT_QPA_PLATFORM=xcb"};
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string variable = *e;
      if (variable.starts_with("DISPLAY=") ||
          variable.starts_with("QT_QPA_PLATFORM=") ||
          variable.starts_with("WAYLAND_DISPLAY=")) {
        continue;
      }
      variables.push_back(variable);
    }
    std::vector<char*> env;
    for (std::string& variable : variables) env.push_back(variable.data());
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(kWorkbench), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, kWorkbench, nullptr, nullptr, argv, env.data()) !=
        0) {
      ADD_FAILURE() << "cannot start " << kWorkbench;
      return {};
    }
    copies_.push_back(pid);
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) {
        std::erase(copies_, pid);
        ADD_FAILURE() << "the copy ended with status " << status;
        return {};
      }
      for (const std::string& caption : CaptionsOf(pid)) {
        if (caption.size() > kDesignCaption.size() &&
            caption.starts_with(kDesignCaption)) {
          return caption;
        }
      }
      std::this_thread::sleep_for(kPollInterval);
    }
    ADD_FAILURE() << "the copy did not number itself";
    return {};
  }

  // Ends the copy and waits until its windows are gone from the display.
  void StopCopy(pid_t pid) {
    std::erase(copies_, pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!CaptionsOf(pid).empty()) {
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the windows of a closed copy stay";
        return;
      }
      std::this_thread::sleep_for(kPollInterval);
    }
  }

  // The captions of the windows of the class that the process made.
  std::vector<std::string> CaptionsOf(pid_t pid) {
    std::vector<std::string> captions;
    for (const xcb_window_t window : list_->WindowsOfClass(kClass)) {
      if (windows_->ProcessOf(window) == static_cast<uint32_t>(pid)) {
        captions.push_back(list_->Caption(window));
      }
    }
    return captions;
  }

  std::vector<pid_t> copies_;
};

TEST_F(InstanceCopiesTest, CopiesInARowCountUpAndStartAgainWhenAllClosed) {
  EXPECT_EQ(StartCopy(), kDesignCaption + "1");
  EXPECT_EQ(StartCopy(), kDesignCaption + "2");
  EXPECT_EQ(StartCopy(), kDesignCaption + "3");
  while (!copies_.empty()) StopCopy(copies_.back());
  EXPECT_EQ(StartCopy(), kDesignCaption + "1");
}

TEST_F(InstanceCopiesTest, ClosedNumbersReturnOnlyWhenTheyWereLargest) {
  ASSERT_EQ(StartCopy(), kDesignCaption + "1");
  ASSERT_EQ(StartCopy(), kDesignCaption + "2");
  ASSERT_EQ(StartCopy(), kDesignCaption + "3");
  const pid_t second = copies_[1];
  StopCopy(second);
  EXPECT_EQ(StartCopy(), kDesignCaption + "4");
  StopCopy(copies_.back());
  EXPECT_EQ(StartCopy(), kDesignCaption + "4");
}

TEST_F(InstanceCopiesTest, WindowsOfAnotherProgram) {
  struct Case {
    const char* class_name;
    const char* property;  // the caption's property and its type
    const char* type;
    std::string caption;
    bool framed;  // inside a frame, as a window manager puts it
    std::string copy_caption;
  };
  const Case cases[] = {
      {"Vantrel", "WM_NAME", "STRING", "Other tool No.7", false,
       kDesignCaption + "8"},
      {"Vantrel", "_NET_WM_NAME", "UTF8_STRING", kDesignCaption + "10", false,
       kDesignCaption + "11"},
      {"Vantrel", "WM_NAME", "STRING", "Framed No.5", true,
       kDesignCaption + "6"},
      {"Other", "WM_NAME", "STRING", "Other class No.50", false,
       kDesignCaption + "1"},
  };
  for (const Case& c : cases) {
    const xcb_window_t frame =
        c.framed ? windows_->Create() : xcb_window_t{XCB_WINDOW_NONE};
    const xcb_window_t foreign = windows_->Create(frame);
    windows_->SetClass(foreign, "tool", c.class_name);
    windows_->SetText(foreign, c.property, c.type, c.caption);
    windows_->Sync();
    EXPECT_EQ(StartCopy(), c.copy_caption) << c.caption;
    StopCopy(copies_.back());
    windows_->Destroy(foreign);
    if (frame != XCB_WINDOW_NONE) windows_->Destroy(frame);
  }
}

// Closing the window through the window manager's protocol ends the
// process, with exit status 0.
TEST_F(InstanceCopiesTest, ClosingTheWindowEndsTheProcessWithStatusZero) {
  ASSERT_EQ(StartCopy(), kDesignCaption + "1");
  const pid_t pid = copies_.back();
  xcb_window_t window = XCB_WINDOW_NONE;
  for (const xcb_window_t w : list_->WindowsOfClass(kClass)) {
    if (windows_->ProcessOf(w) == static_cast<uint32_t>(pid) &&
        list_->Caption(w).starts_with(kDesignCaption)) {
      window = w;
    }
  }
  ASSERT_NE(window, xcb_window_t{XCB_WINDOW_NONE});
  xcb_connection_t* connection = list_->connection();
  const auto atom = [connection](const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
        nullptr);
    const xcb_atom_t value = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return value;
  };
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = atom("WM_PROTOCOLS");
  message.data.data32[0] = atom("WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  int status = -1;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (waitpid(pid, &status, WNOHANG) != pid) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "still running";
    std::this_thread::sleep_for(kPollInterval);
  }
  std::erase(copies_, pid);
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace bramble
