// An X server of the test's own: Xvfb on a free display number, ready for
// clients when Start() returns, stopped with the object.
#ifndef BRAMBLE_TESTS_SHELL_XVFB_DISPLAY_H_
#define BRAMBLE_TESTS_SHELL_XVFB_DISPLAY_H_

#include <sys/types.h>

#include <string>

namespace bramble::testing {

class XvfbDisplay {
 public:
  XvfbDisplay() = default;
  ~XvfbDisplay();
  XvfbDisplay(const XvfbDisplay&) = delete;
  XvfbDisplay& operator=(const XvfbDisplay&) = delete;

  // Starts Xvfb on the first free display from :91 on; false when none
  // could be started.
  bool Start();
  // The display's name, as DISPLAY holds it (":91").
  const std::string& name() const { return name_; }

 private:
  bool StartOn(int number);

  pid_t pid_ = -1;
  std::string name_;
};

}  // namespace bramble::testing

#endif  // BRAMBLE_TESTS_SHELL_XVFB_DISPLAY_H_
