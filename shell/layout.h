// The layout that follows the window's size.
#ifndef BRAMBLE_SHELL_LAYOUT_H_
#define BRAMBLE_SHELL_LAYOUT_H_

namespace bramble {

class MainWindow;

// Below 595 x 488 the window snaps back to that size (both dimensions) and
// nothing moves; otherwise the controls follow the right and bottom edges.
void LayOutControls(MainWindow& window);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_LAYOUT_H_
