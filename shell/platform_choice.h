// The windowing platform the program runs on.
#ifndef BRAMBLE_SHELL_PLATFORM_CHOICE_H_
#define BRAMBLE_SHELL_PLATFORM_CHOICE_H_

namespace bramble {

// On a Wayland desktop that also offers an X display (Xwayland), makes Qt
// use X11 (QT_QPA_PLATFORM=xcb), so that the running copies see each
// other's windows; Wayland itself lists no windows of other programs. A
// platform chosen in QT_QPA_PLATFORM stays. Call before the application
// object is created.
void ChooseX11OnWayland();

}  // namespace bramble

#endif  // BRAMBLE_SHELL_PLATFORM_CHOICE_H_
