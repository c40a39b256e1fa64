# Script half of embed_bytes(): writes OUTPUT, a C++ array of INPUT's bytes.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the single long line every 16 bytes (CMake patterns have no {n}).
string(REPEAT "0x..," 16 row)
string(REGEX REPLACE "(${row})" "\\1\n    " bytes "${bytes}")
get_filename_component(name ${INPUT} NAME)
file(WRITE ${OUTPUT}
"// Generated from ${name}; do not edit.\n#include <cstddef>\n\n"
"extern const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
"extern const std::size_t ${SYMBOL}_size = ${size};\n")
