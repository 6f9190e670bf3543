# Writes a C++ source that holds the given files, joined by line feeds, as
# one constant text. Run in script mode:
#   cmake -DOUTPUT=<file.cc> -DSYMBOL=<name> -DINPUTS=<a;b;c> -P embed.cmake
set(hex "")
foreach(input IN LISTS INPUTS)
  file(READ "${input}" content HEX)
  string(APPEND hex "${content}0a")
endforeach()
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated at build time from the script sources; do not edit.\n"
  "#include <cstddef>\n"
  "namespace bramble::embedded {\n"
  "extern const char ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}Size;\n"
  "const char ${SYMBOL}[] = {${bytes}'\\0'};\n"
  "const std::size_t ${SYMBOL}Size = ${size};\n"
  "}  // namespace bramble::embedded\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
