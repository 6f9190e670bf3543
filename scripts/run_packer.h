// Packing into and unpacking from the p,a,c,k,e,d form with the packer
// script, in a given host (the window uses the global one).
#ifndef BRAMBLE_SCRIPTS_RUN_PACKER_H_
#define BRAMBLE_SCRIPTS_RUN_PACKER_H_

#include <string>
#include <string_view>

#include "host/script_error.h"

namespace bramble {

class ScriptHost;

enum class PackerEntry { kPack, kUnpack };

// Executes the packer script in `host` anew, then calls encode or uncode on
// `text`. Gives the empty text when the script fails; `error`, when given,
// receives the error record of the call.
std::string RunPacker(ScriptHost& host, PackerEntry entry,
                      std::string_view text, ScriptError* error = nullptr);

}  // namespace bramble

#endif  // BRAMBLE_SCRIPTS_RUN_PACKER_H_
