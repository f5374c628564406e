# Writes the shipped table of opening names (the .tsv files of
# resources/openings) into a C++ source as string literals.
# cmake -DOUT=<file.cpp> -DDIR=<resources/openings> -P EmbedOpenings.cmake
set(text "// Generated from resources/openings by core/EmbedOpenings.cmake; do not edit.\n#include <cstddef>\n\n")
string(APPEND text "extern const char* const KestravinShippedOpenings[];\nextern const std::size_t KestravinShippedOpeningsCount;\n\n")
string(APPEND text "const char* const KestravinShippedOpenings[] = {\n")
set(count 0)
foreach(volume a b c d e)
  file(READ "${DIR}/${volume}.tsv" content)
  string(APPEND text "R\"tsv(${content})tsv\",\n")
  math(EXPR count "${count} + 1")
endforeach()
string(APPEND text "};\nconst std::size_t KestravinShippedOpeningsCount = ${count};\n")
file(WRITE "${OUT}.tmp" "${text}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
