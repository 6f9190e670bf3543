// Turns the engine's pending exception (or a stop by the watchdog) into a
// ScriptError. Private to host/.
#ifndef BRAMBLE_HOST_ERROR_REPORT_H_
#define BRAMBLE_HOST_ERROR_REPORT_H_

#include <jsapi.h>

#include <string>
#include <string_view>

#include "host/engine.h"
#include "host/script_error.h"

namespace bramble {

// Reads and clears the pending exception, if any. `failed_to_compile` tells
// a parse error (0-based column) from one at run time (1-based column).
ScriptError ErrorFromEngine(JSContext* cx, const Engine::RunScope& run,
                            bool failed_to_compile);

ScriptError HostError(HostErrorNumber number, std::string_view description);

}  // namespace bramble

#endif  // BRAMBLE_HOST_ERROR_REPORT_H_
