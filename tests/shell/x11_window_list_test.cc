// The X11 window list against windows made on a display of the test's own:
// as they stand without a window manager, inside frames as a window manager
// makes them, and listed in a window manager's client list.
#include "shell/x11_window_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/shell/x11_test_windows.h"
#include "tests/shell/xvfb_fixture.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

using ::bramble::testing::XvfbTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

class X11WindowListTest : public XvfbTest {
 protected:
  // A window of the given class at `parent`, its changes on the server.
  xcb_window_t Window(std::string_view class_name,
                      xcb_window_t parent = XCB_WINDOW_NONE) {
    const xcb_window_t window = windows_->Create(parent);
    windows_->SetClass(window, "instance", class_name);
    windows_->Sync();
    return window;
  }
};

TEST_F(X11WindowListTest, OpenFailsWithoutADisplay) {
  EXPECT_EQ(X11WindowList::Open(":9999"), nullptr);
}

TEST_F(X11WindowListTest, RootChildrenOfTheClassOnlyInStackingOrder) {
  const xcb_window_t first = Window("Vantrel");
  Window("Other");
  Window("vantrel");   // the class is compared case by case
  Window("Vantrel2");  // and whole
  const xcb_window_t misnamed = windows_->Create();
  windows_->SetClass(misnamed, "Vantrel", "Other");  // the instance part
  const xcb_window_t unmapped = windows_->Create(XCB_WINDOW_NONE, false);
  windows_->SetClass(unmapped, "x", "Vantrel");
  windows_->Sync();

  EXPECT_THAT(list_->WindowsOfClass("Vantrel"), ElementsAre(first, unmapped));
  EXPECT_THAT(list_->WindowsOfClass("Absent"), IsEmpty());
}

TEST_F(X11WindowListTest, ClientsInsideFramesOfAWindowManager) {
  // A frame holding the client, and a frame holding a wrapper holding the
  // client; the frames and the wrapper have no WM_CLASS.
  const xcb_window_t frame = windows_->Create();
  const xcb_window_t framed = Window("Vantrel", frame);
  const xcb_window_t outer = windows_->Create();
  const xcb_window_t wrapper = windows_->Create(outer);
  const xcb_window_t wrapped = Window("Vantrel", wrapper);
  // A client's own subwindows are not top-level windows.
  Window("Vantrel", framed);

  EXPECT_THAT(list_->WindowsOfClass("Vantrel"), ElementsAre(framed, wrapped));
}

TEST_F(X11WindowListTest, ClientListOfAWindowManagerCountsEachWindowOnce) {
  const xcb_window_t at_root = Window("Vantrel");
  xcb_window_t deep = windows_->Create();
  for (int i = 0; i < 4; ++i) deep = windows_->Create(deep);
  windows_->SetClass(deep, "deep", "Vantrel");
  const xcb_window_t other = Window("Other");
  windows_->SetClientList({at_root, deep, other});
  windows_->Sync();

  EXPECT_THAT(list_->WindowsOfClass("Vantrel"), ElementsAre(at_root, deep));
}

TEST_F(X11WindowListTest, WindowsOfOtherConnectionsAndOfItsOwn) {
  const xcb_window_t foreign = Window("Vantrel");
  // A window made on the list's own connection.
  xcb_connection_t* own = list_->connection();
  const xcb_window_t mine = xcb_generate_id(own);
  xcb_create_window(own, XCB_COPY_FROM_PARENT, mine, list_->root(), 0, 0, 10,
                    10, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                    0, nullptr);
  const std::string wm_class("own\0Vantrel\0", 12);
  xcb_change_property(own, XCB_PROP_MODE_REPLACE, mine, XCB_ATOM_WM_CLASS,
                      XCB_ATOM_STRING, 8, wm_class.size(), wm_class.data());

  EXPECT_THAT(list_->WindowsOfClass("Vantrel"),
              UnorderedElementsAre(foreign, mine));
  xcb_destroy_window(own, mine);
  list_->Sync();
}

TEST_F(X11WindowListTest, ClassName) {
  const xcb_window_t window = Window("Vantrel");
  const xcb_window_t without = windows_->Create();
  const xcb_window_t instance_only = windows_->Create();
  windows_->SetText(instance_only, "WM_CLASS", "STRING", "lonely");
  windows_->Sync();

  EXPECT_EQ(list_->ClassName(window), "Vantrel");
  EXPECT_EQ(list_->ClassName(without), std::nullopt);
  EXPECT_EQ(list_->ClassName(instance_only), "");
  windows_->Destroy(window);
  EXPECT_EQ(list_->ClassName(window), std::nullopt);
}

TEST_F(X11WindowListTest, CaptionsInTheProgramsBytes) {
  struct Case {
    const char* net_wm_name;  // UTF-8, or null for none
    const char* name_type;    // WM_NAME's type, or null for none
    std::string name;
    std::string caption;
  };
  const Case cases[] = {
      // _NET_WM_NAME comes first.
      {"\xE6\xB1\x89\xE5\xAD\x97 No.3", "STRING", "Latin No.9",
       "\xBA\xBA\xD7\xD6 No.3"},
      {"", "STRING", "Latin No.9", ""},
      // Else WM_NAME, by its type.
      {nullptr, "STRING", "Caf\xE9 No.4", TextFromUtf8("Café No.4")},
      {nullptr, "UTF8_STRING", "\xE6\xB1\x89 No.5", "\xBA\xBA No.5"},
      {nullptr, "COMPOUND_TEXT", "\x1B$)A\xBA\xBA\x1B-A No.6", "\xBA\xBA No.6"},
      {nullptr, nullptr, "", ""},
  };
  for (const Case& c : cases) {
    const xcb_window_t window = Window("Vantrel");
    if (c.net_wm_name != nullptr) {
      windows_->SetText(window, "_NET_WM_NAME", "UTF8_STRING", c.net_wm_name);
    }
    if (c.name_type != nullptr) {
      windows_->SetText(window, "WM_NAME", c.name_type, c.name);
    }
    windows_->Sync();
    EXPECT_EQ(list_->Caption(window), c.caption) << c.name;
    windows_->Destroy(window);
    EXPECT_EQ(list_->Caption(window), "") << "gone: " << c.name;
  }
}

TEST_F(X11WindowListTest, NetWmNameOfAnotherTypeIsPassedOver) {
  const xcb_window_t window = Window("Vantrel");
  windows_->SetText(window, "_NET_WM_NAME", "STRING", "wrong No.1");
  windows_->SetText(window, "WM_NAME", "STRING", "right No.2");
  windows_->Sync();
  EXPECT_EQ(list_->Caption(window), "right No.2");
}

}  // namespace
}  // namespace bramble
