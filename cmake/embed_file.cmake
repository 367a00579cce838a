# Writes a C++ source holding a file's bytes, so that the program carries the file inside itself.
#   cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -DHEADER=<header> -DNAME=<kName> -P embed_file.cmake
# The header declares `extern const unsigned char <NAME>[];` and
# `extern const std::size_t <NAME>Size;`.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 sixteen)
string(REGEX REPLACE "(${sixteen})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated at build time from ${INPUT}; do not edit.
#include \"${HEADER}\"

extern const unsigned char ${NAME}[] = {
    ${bytes}
};
extern const std::size_t ${NAME}Size = ${size};
")
