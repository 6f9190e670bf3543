// Instance numbering over a given list of windows, the sort and caption
// rules it uses, and the copy that sees only itself where no window list
// exists (the offscreen platform these tests run on).
#include "shell/instance_number.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/platform_choice.h"
#include "shell/window_list.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr char kDesignCaption[] = "Brambleworkshop 1.0   By:Zelv No.0";

std::string Title(const QWidget& window) {
  const QString title = window.windowTitle();
  return Utf16ToBytes(
      std::u16string_view(reinterpret_cast<const char16_t*>(title.utf16()),
                          static_cast<size_t>(title.size())));
}

void SetTitle(QWidget& window, std::string_view bytes) {
  const std::u16string units = BytesToUtf16(bytes);
  window.setWindowTitle(
      QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())));
}

// Windows with classes and captions; the main window is handle 1, whose
// caption is read from the widget as the platform would.
class FakeWindowList : public WindowList {
 public:
  FakeWindowList(QWidget& main_window, std::string own_class)
      : main_window_(main_window) {
    classes_[kOwn] = std::move(own_class);
  }

  void Add(std::string class_name, std::string caption) {
    const WindowHandle window = next_++;
    classes_[window] = std::move(class_name);
    captions_[window] = std::move(caption);
  }

  WindowHandle OwnWindow() const override { return kOwn; }
  std::string ClassName(WindowHandle window) override {
    return classes_.at(window);
  }
  std::vector<WindowHandle> WindowsOfClass(
      std::string_view class_name) override {
    std::vector<WindowHandle> windows;
    for (const auto& [window, name] : classes_) {
      if (name == class_name) windows.push_back(window);
    }
    return windows;
  }
  std::string Caption(WindowHandle window) override {
    return window == kOwn ? Title(main_window_) : captions_.at(window);
  }
  void Sync() override { ++syncs_; }

  int syncs() const { return syncs_; }

 private:
  static constexpr WindowHandle kOwn = 1;
  QWidget& main_window_;
  std::map<WindowHandle, std::string> classes_;
  std::map<WindowHandle, std::string> captions_;
  WindowHandle next_ = 2;
  int syncs_ = 0;
};

TEST(SortIntegersTest, ExchangeSortInEitherOrder) {
  struct Case {
    std::vector<int32_t> list;
    bool ascending;
    bool ascending_given;
    std::vector<int32_t> sorted;
  };
  const Case cases[] = {
      // Descending only when the flag is given and false.
      {{3, 1, 2}, false, true, {3, 2, 1}},
      {{3, 1, 2}, true, true, {1, 2, 3}},
      {{3, 1, 2}, false, false, {1, 2, 3}},
      {{3, 1, 2}, true, false, {1, 2, 3}},
      // Lists as the numbering makes them.
      {{0, 1, 3, 7}, false, true, {7, 3, 1, 0}},
      {{0}, false, true, {0}},
      {{}, false, true, {}},
      {{5, -2, 5, 0, -7, 12, 12, 1}, false, true, {12, 12, 5, 5, 1, 0, -2, -7}},
      {{5, -2, 5, 0, -7, 12, 12, 1}, true, true, {-7, -2, 0, 1, 5, 5, 12, 12}},
      {{INT32_MIN, INT32_MAX, 0}, false, true, {INT32_MAX, 0, INT32_MIN}},
      {{2, 1}, false, true, {2, 1}},
      {{1, 2}, false, true, {2, 1}},
  };
  for (const Case& c : cases) {
    std::vector<int32_t> list = c.list;
    SortIntegers(list, c.ascending, c.ascending_given);
    EXPECT_THAT(list, ElementsAreArray(c.sorted))
        << "ascending " << c.ascending << " given " << c.ascending_given;
  }
}

TEST(SortIntegersTest, EveryOrderOfFourSortsFully) {
  std::vector<int32_t> start = {1, 2, 2, 4};
  do {
    std::vector<int32_t> descending = start;
    SortIntegers(descending, false, true);
    EXPECT_THAT(descending, ElementsAre(4, 2, 2, 1));
    std::vector<int32_t> ascending = start;
    SortIntegers(ascending, false, false);
    EXPECT_THAT(ascending, ElementsAre(1, 2, 2, 4));
  } while (std::next_permutation(start.begin(), start.end()));
}

TEST(NumberedCaptionTest, KeepsThirtyFourBytesThenTheNumber) {
  struct Case {
    std::string caption;
    int64_t number;
    std::string numbered;
  };
  const Case cases[] = {
      {kDesignCaption, 1, "Brambleworkshop 1.0   By:Zelv No.01"},
      {kDesignCaption, 9, "Brambleworkshop 1.0   By:Zelv No.09"},
      {kDesignCaption, 10, "Brambleworkshop 1.0   By:Zelv No.010"},
      {kDesignCaption, 11, "Brambleworkshop 1.0   By:Zelv No.011"},
      {kDesignCaption, -4, "Brambleworkshop 1.0   By:Zelv No.0-4"},
      {kDesignCaption, 2147483648,
       "Brambleworkshop 1.0   By:Zelv No.02147483648"},
      // A longer caption loses what lies after its first 34 bytes.
      {"Brambleworkshop 1.0   By:Zelv No.07", 8,
       "Brambleworkshop 1.0   By:Zelv No.08"},
      // A shorter one is kept whole.
      {"Short", 3, "Short3"},
      {"", 1, "1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberedCaption(c.caption, c.number), c.numbered) << c.caption;
  }
}

TEST(GetCaptionTest, CutsTo254Bytes) {
  QWidget window;
  FakeWindowList list(window, "Vantrel");
  const std::string long_caption = std::string(250, 'x') + "No.12345";
  list.Add("Vantrel", long_caption);
  list.Add("Vantrel", std::string(254, 'y'));
  list.Add("Vantrel", "");
  EXPECT_EQ(GetCaption(list, 2), std::string(250, 'x') + "No.1");
  EXPECT_EQ(GetCaption(list, 3), std::string(254, 'y'));
  EXPECT_EQ(GetCaption(list, 4), "");
}

TEST(NumberInstanceTest, OneMoreThanTheLargestNumberOfTheClass) {
  struct Window {
    std::string class_name;
    std::string caption;
  };
  struct Case {
    std::vector<Window> others;
    std::string caption;
  };
  const std::string base = kDesignCaption;
  const Case cases[] = {
      // The first copy.
      {{}, base + "1"},
      // Copies 1 and 2 running; then 1 and 3.
      {{{"Vantrel", base + "1"}, {"Vantrel", base + "2"}}, base + "3"},
      {{{"Vantrel", base + "3"}, {"Vantrel", base + "1"}}, base + "4"},
      // The tenth copy's caption reads as 10.
      {{{"Vantrel", base + "10"}}, base + "11"},
      // Another program's window of the class counts; of another class not.
      {{{"Vantrel", "Other tool No.7"}, {"Other", "No.50"}}, base + "8"},
      {{{"vantrel", "No.50"}}, base + "1"},
      // Captions without a number after their first "No." count 0, and
      // negative numbers never win over the own window's 0.
      {{{"Vantrel", "No."}, {"Vantrel", ""}, {"Vantrel", "No.-9"}}, base + "1"},
      // A number beyond the 254 bytes read is not seen.
      {{{"Vantrel", std::string(251, ' ') + "No.99"}}, base + "1"},
      {{{"Vantrel", std::string(250, ' ') + "No.99"}}, base + "10"},
      // Full-width digits.
      {{{"Vantrel", "No.\xA3\xB5"}}, base + "6"},
  };
  for (const Case& c : cases) {
    QWidget window;
    SetTitle(window, kDesignCaption);
    FakeWindowList list(window, "Vantrel");
    for (const Window& other : c.others)
      list.Add(other.class_name, other.caption);
    NumberInstance(window, list);
    EXPECT_EQ(Title(window), c.caption);
    EXPECT_EQ(list.syncs(), 1) << "the caption is made visible to others";
  }
}

TEST(NumberInstanceTest, ClassOfTheOwnWindowSelectsTheWindows) {
  QWidget window;
  SetTitle(window, kDesignCaption);
  FakeWindowList list(window, "Other");
  list.Add("Vantrel", "No.7");
  list.Add("Other", "No.2");
  NumberInstance(window, list);
  EXPECT_EQ(Title(window), std::string(kDesignCaption) + "3");
}

TEST(NumberInstanceTest, WithoutAWindowListTheCopyTakesOne) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  for (int run = 0; run < 2; ++run) {
    QWidget window;
    SetTitle(window, kDesignCaption);
    NumberInstance(window);
    EXPECT_EQ(Title(window), "Brambleworkshop 1.0   By:Zelv No.01");
  }
}

TEST(ChooseX11OnWaylandTest, XcbOnlyOnWaylandWithAnXDisplayAndNoChoice) {
  struct Case {
    const char* wayland;  // null: unset
    const char* display;
    const char* platform;
    const char* chosen;
  };
  const Case cases[] = {
      {"wayland-0", ":0", nullptr, "xcb"},
      {"wayland-0", ":0", "", "xcb"},
      {"wayland-0", ":0", "wayland", "wayland"},
      {"wayland-0", ":0", "offscreen", "offscreen"},
      {"wayland-0", nullptr, nullptr, nullptr},
      {"wayland-0", "", nullptr, nullptr},
      {nullptr, ":0", nullptr, nullptr},
      {"", ":0", nullptr, nullptr},
  };
  auto get = [](const char* name) -> std::optional<std::string> {
    const char* value = getenv(name);
    if (value == nullptr) return std::nullopt;
    return value;
  };
  auto set = [](const char* name, const char* value) {
    if (value == nullptr) {
      unsetenv(name);
    } else {
      setenv(name, value, 1);
    }
  };
  const char* const names[] = {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i) saved[i] = get(names[i]);
  for (const Case& c : cases) {
    set("WAYLAND_DISPLAY", c.wayland);
    set("DISPLAY", c.display);
    set("QT_QPA_PLATFORM", c.platform);
    ChooseX11OnWayland();
    const char* platform = getenv("QT_QPA_PLATFORM");
    if (c.chosen == nullptr) {
      EXPECT_EQ(platform, nullptr);
    } else {
      EXPECT_STREQ(platform, c.chosen);
    }
  }
  for (int i = 0; i < 3; ++i) {
    set(names[i], saved[i] ? saved[i]->c_str() : nullptr);
  }
}

}  // namespace
}  // namespace bramble

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("Vantrel");
  return RUN_ALL_TESTS();
}
