#include "cli/transform.h"

#include <array>
#include <utility>

#include "cli/utf8_border.h"
#include "host/script_host.h"
#include "scripts/run_formatter.h"
#include "scripts/run_packer.h"

namespace bramble {
namespace {

constexpr std::array<std::pair<std::string_view, Transform>, 4> kNames = {{
    {"format", Transform::kFormat},
    {"minify", Transform::kMinify},
    {"pack", Transform::kPack},
    {"unpack", Transform::kUnpack},
}};

// Runs on the program's own bytes.
std::string RunOnBytes(Transform transform, std::string_view text,
                       ScriptError& error) {
  switch (transform) {
    case Transform::kFormat:
      return RunFormatter(text, false, &error);
    case Transform::kMinify:
      return RunMinifier(text, &error);
    case Transform::kPack:
    case Transform::kUnpack: {
      ScriptHost host;
      host.Init();
      std::string result =
          RunPacker(host,
                    transform == Transform::kPack ? PackerEntry::kPack
                                                  : PackerEntry::kUnpack,
                    text, &error);
      host.Destroy();
      return result;
    }
  }
  return {};
}

}  // namespace

std::optional<Transform> TransformNamed(std::string_view name) {
  for (const auto& [known, transform] : kNames) {
    if (known == name) return transform;
  }
  return std::nullopt;
}

std::string_view TransformName(Transform transform) {
  for (const auto& [name, known] : kNames) {
    if (known == transform) return name;
  }
  return {};
}

std::string RunTransform(Transform transform, std::string_view utf8,
                         ScriptError& error) {
  const std::string result =
      RunOnBytes(transform, Utf8InputToText(utf8), error);
  if (error.Number != "0") return {};
  return TextToUtf8Output(result);
}

}  // namespace bramble
