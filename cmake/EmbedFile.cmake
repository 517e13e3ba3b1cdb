# Writes a C++ source that holds a file's bytes and returns them from a function.
# cmake -DINPUT=<file> -DOUTPUT=<source> -DFUNCTION=<name> -DHEADER=<include> -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace stillmark {\nnamespace {\nconst unsigned char kBytes[] = {\n${bytes}\n};\n} // namespace\n\n"
  "std::span<const unsigned char> ${FUNCTION}() { return kBytes; }\n\n} // namespace stillmark\n")
# Only a changed file is replaced, so an unchanged sound does not rebuild its users.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
