// Tests on an Xvfb display of their own, one per test suite: windows made
// by the test, and the window list that reads them back.
#ifndef BRAMBLE_TESTS_SHELL_XVFB_FIXTURE_H_
#define BRAMBLE_TESTS_SHELL_XVFB_FIXTURE_H_

#include <gtest/gtest.h>

#include <memory>

#include "shell/x11_window_list.h"
#include "tests/shell/x11_test_windows.h"
#include "tests/shell/xvfb_display.h"

namespace bramble::testing {

class XvfbTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    display_ = new XvfbDisplay();
    if (!display_->Start()) {
      delete display_;
      display_ = nullptr;
    }
  }
  static void TearDownTestSuite() {
    delete display_;
    display_ = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(display_, nullptr) << "Xvfb could not be started";
    windows_ = std::make_unique<X11TestWindows>(display_->name());
    ASSERT_TRUE(windows_->ok());
    list_ = X11WindowList::Open(display_->name().c_str());
    ASSERT_NE(list_, nullptr);
  }

  static inline XvfbDisplay* display_ = nullptr;
  std::unique_ptr<X11TestWindows> windows_;
  std::unique_ptr<X11WindowList> list_;
};

}  // namespace bramble::testing

#endif  // BRAMBLE_TESTS_SHELL_XVFB_FIXTURE_H_
