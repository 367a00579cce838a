# Writes a C++ source holding the icon's PNG renderings, smallest first, as the images of one
# icon, so that the program carries every size of its icon inside itself.
#   cmake -DINPUTS=<png|png|...> -DOUTPUT=<source.cpp> -DHEADER=<header> -P embed_icons.cmake
# The header declares `extern const IconImage kWindowIconImages[];` and
# `extern const std::size_t kWindowIconImageCount;`.
string(REPLACE "|" ";" INPUTS "${INPUTS}")
set(arrays "")
set(table "")
set(index 0)
foreach(input IN LISTS INPUTS)
    file(READ "${input}" hex HEX)
    string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
    string(REPEAT "0x..," 16 sixteen)
    string(REGEX REPLACE "(${sixteen})" "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "const unsigned char kImage${index}[] = {\n    ${bytes}\n};\n")
    string(APPEND table "    {kImage${index}, sizeof(kImage${index})},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}" "// Generated at build time from the icon's renderings; do not edit.
#include \"${HEADER}\"

namespace {

${arrays}
}  // namespace

const IconImage kWindowIconImages[] = {
${table}};
const std::size_t kWindowIconImageCount = ${index};
")
