// Instance numbering: each running copy of the program gives itself a
// number one greater than the largest number found in the captions of the
// top-level windows of its main window's class, its own included, and
// writes it at the end of its caption. Nothing else is shared between the
// copies; two copies started at the same moment may take the same number.
#ifndef BRAMBLE_SHELL_INSTANCE_NUMBER_H_
#define BRAMBLE_SHELL_INSTANCE_NUMBER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/window_list.h"

class QWidget;

namespace bramble {

// A caption is read as at most this many bytes.
inline constexpr int kMaxCaptionBytes = 254;
// The new caption keeps this many bytes of the current one: the whole
// design caption "Brambleworkshop 1.0   By:Zelv No.0", its final 0 included.
inline constexpr int kKeptCaptionBytes = 34;

// Numbers `main_window` among the windows of its class and sets its caption
// to the numbered caption. Runs first in the main window's created event,
// while the caption still is the design caption. The caption is visible on
// the display to the next copy when this returns.
void NumberInstance(QWidget& main_window);
// The same over a given window list.
void NumberInstance(QWidget& main_window, WindowList& windows);

// The caption of `window`, cut to kMaxCaptionBytes bytes.
std::string GetCaption(WindowList& windows, WindowHandle window);

// Sorts `list` in place by exchanges: for each position i, for each
// position j but the last, the elements at i and j change places when the
// one at j is smaller (descending) or greater (ascending) than the one at i.
// The order is ascending unless `ascending_given` is true and `ascending`
// false.
void SortIntegers(std::vector<int32_t>& list, bool ascending,
                  bool ascending_given);

// The first kKeptCaptionBytes bytes of `caption` (all of it when shorter)
// followed by the decimal digits of `number`.
std::string NumberedCaption(std::string_view caption, int64_t number);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_INSTANCE_NUMBER_H_
