#include "scripts/run_packer.h"

#include "host/script_host.h"
#include "scripts/script_texts.h"

namespace bramble {

std::string RunPacker(ScriptHost& host, PackerEntry entry,
                      std::string_view text, ScriptError* error) {
  // Executed before every use: the user's code may have replaced its names.
  host.ExecuteStatement(PackerScript());
  std::string result;
  if (host.GetError().Number == "0") {
    result = host.Run(entry == PackerEntry::kPack ? "encode" : "uncode", text);
  }
  if (error != nullptr) *error = host.GetError();
  return result;
}

}  // namespace bramble
