// The four transforms of the workbench's format, compress, unpack and pack
// commands, on UTF-8 input and output.
#ifndef BRAMBLE_CLI_TRANSFORM_H_
#define BRAMBLE_CLI_TRANSFORM_H_

#include <optional>
#include <string>
#include <string_view>

#include "host/script_error.h"

namespace bramble {

enum class Transform { kFormat, kMinify, kPack, kUnpack };

// The transform named `name` ("format", "minify", "pack" or "unpack").
std::optional<Transform> TransformNamed(std::string_view name);
std::string_view TransformName(Transform transform);

// Runs `transform` on `utf8` in a script host of its own and gives the
// result as UTF-8, converting at both ends with the editor's conversions:
// bytes that are not valid UTF-8 stay raw bytes of the program's text.
// A minified result loses its leading line feed, as in the window. On a
// script failure gives the empty text; `error` receives the host's error
// record either way ("0" as Number on success).
std::string RunTransform(Transform transform, std::string_view utf8,
                         ScriptError& error);

}  // namespace bramble

#endif  // BRAMBLE_CLI_TRANSFORM_H_
