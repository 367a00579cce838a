# Writes a C++ source holding a file's bytes as an array, so that the program carries the file
# inside itself.
#   cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -DHEADER=<header> -DNAME=<array> -P embed_file.cmake
# The header declares `extern const unsigned char NAME[];` and `extern const std::size_t NAMESize;`.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 sixteen)
string(REGEX REPLACE "(${sixteen})" "\\1\n    " bytes "${bytes}")
get_filename_component(input_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}" "// Generated at build time from ${input_name}; do not edit.
#include \"${HEADER}\"

const unsigned char ${NAME}[] = {
    ${bytes}
};
const std::size_t ${NAME}Size = sizeof(${NAME});
")
