# Writes the bytes of IN as a C++ array named SYMBOL into OUT.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the one long line every 32 bytes so compilers and editors stay happy.
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN}; do not edit.\n"
  "extern const unsigned char ${SYMBOL}[];\n"
  "extern const unsigned int ${SYMBOL}Size;\n"
  "alignas(16) const unsigned char ${SYMBOL}[${size} + 1] = {\n${bytes}0};\n"
  "const unsigned int ${SYMBOL}Size = ${size};\n")
file(RENAME "${OUT}.tmp" "${OUT}")
