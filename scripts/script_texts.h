// The JavaScript texts built into the program.
#ifndef BRAMBLE_SCRIPTS_SCRIPT_TEXTS_H_
#define BRAMBLE_SCRIPTS_SCRIPT_TEXTS_H_

#include <string_view>

namespace bramble {

// Defines ysjs, jsmin, js_beautify and String.prototype.has.
std::string_view FormatterLibrary();
// Defines uncode, a (62), encode and num.
std::string_view PackerScript();

}  // namespace bramble

#endif  // BRAMBLE_SCRIPTS_SCRIPT_TEXTS_H_
