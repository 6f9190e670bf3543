// The transforms on real libraries: the ones that npm installs for the
// build (js-beautify and its dependencies), and the program's own scripts.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/script_host.h"
#include "scripts/run_formatter.h"
#include "scripts/run_packer.h"
#include "text/gb18030.h"

namespace bramble {
namespace {

const std::string kSourceDir = BRAMBLE_SOURCE_DIR;
const std::string kModules = kSourceDir + "/node_modules/";

const std::vector<std::string> kLibraries = {
    kModules + "js-beautify/js/lib/beautify.js",
    kModules + "js-beautify/js/lib/beautify-css.js",
    kModules + "js-beautify/js/lib/beautify-html.js",
    kModules + "js-beautify/js/lib/beautifier.min.js",
    kModules + "commander/lib/command.js",
    kModules + "semver/classes/range.js",
    kSourceDir + "/scripts/jsmin.js",
    kSourceDir + "/scripts/packer.js",
};

// A file's text as the program's bytes (the files are UTF-8).
std::string ReadSource(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_TRUE(in.good() || in.eof()) << path;
  return EditorUtf8ToBytes(content.str());
}

std::string RunCommand(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[65536];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    out.append(buffer, n);
  }
  pclose(pipe);
  return out;
}

TEST(RealCodeTest, FormattingMatchesJsBeautifysOwnCommandLine) {
  for (const std::string& path : kLibraries) {
    const std::string expected =
        RunCommand("node '" + kModules +
                   "js-beautify/js/bin/js-beautify.js' -m 0 "
                   "-e '\\n' '" +
                   path + "'");
    ASSERT_FALSE(expected.empty()) << path;
    ScriptError error;
    const std::string ours = RunFormatter(ReadSource(path), false, &error);
    EXPECT_EQ(error.Number, "0") << path << ": " << error.Description;
    EXPECT_TRUE(BytesToEditorUtf8(ours) == expected) << path;
  }
}

// Whether `code` compiles as a function body: the program's own engine
// judges.
std::string ParseResult(ScriptHost& host, const std::string& code) {
  return host.Run("parses", code);
}

TEST(RealCodeTest, MinifiedLibrariesStillParseAndPackedOnesComeBack) {
  ScriptHost host;
  host.Init();
  host.ExecuteStatement(
      "function parses(src) { try { Function(src); return 'ok'; }"
      " catch (e) { return String(e); } }");
  host.ExecuteStatement(ReadSource(
      kModules + "js-beautify/js/lib/unpackers/p_a_c_k_e_r_unpacker.js"));
  ASSERT_EQ(host.GetError().Number, "0") << host.GetError().Description;
  host.ExecuteStatement(
      "function thirdPartyUnpack(s) { return P_A_C_K_E_R.unpack(s); }");
  for (const std::string& path : kLibraries) {
    const std::string source = ReadSource(path);
    ASSERT_EQ(ParseResult(host, source), "ok") << path;
    ScriptError error;
    const std::string minified = RunFormatter(source, true, &error);
    EXPECT_EQ(error.Number, "0") << path << ": " << error.Description;
    EXPECT_LT(minified.size(), source.size()) << path;
    EXPECT_EQ(ParseResult(host, minified), "ok") << path;

    const std::string packed = RunPacker(host, PackerEntry::kPack, source);
    EXPECT_TRUE(RunPacker(host, PackerEntry::kUnpack, packed) == source)
        << path;
    EXPECT_TRUE(host.Run("thirdPartyUnpack", packed) == source) << path;
  }
  host.Destroy();
}

TEST(RealCodeTest, MinifiedPackerPacksLikeTheOriginal) {
  const std::string packer = ReadSource(kSourceDir + "/scripts/packer.js");
  ScriptHost original, minified;
  original.Init();
  minified.Init();
  original.ExecuteStatement(packer);
  minified.ExecuteStatement(RunFormatter(packer, true));
  ASSERT_EQ(minified.GetError().Number, "0") << minified.GetError().Description;
  for (const std::string& text :
       {std::string("var a = 'b\\n' + c; // d\r\nx(y)"),
        ReadSource(kLibraries[4])}) {
    EXPECT_TRUE(minified.Run("encode", text) == original.Run("encode", text));
  }
  original.Destroy();
  minified.Destroy();
}

}  // namespace
}  // namespace bramble
