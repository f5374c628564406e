# Writes the shipped table of opening names (the .tsv files of
# resources/openings) into a C++ source as string literals.
# cmake -DOUT=<file.cpp> -DDIR=<resources/openings> -P EmbedOpenings.cmake
set(text "// Generated from resources/openings by core/EmbedOpenings.cmake; do not edit.\n#include <cstddef>\n\n")
string(APPEND text "extern const char* const KestravinShippedOpenings[];\nextern const std::size_t KestravinShippedOpeningsCount;\n\n")
string(APPEND text "const char* const KestravinShippedOpenings[] = {\n")
set(count 0)
# Each file goes in pieces of whole lines under 60,000 bytes: C++ promises
# string literals only up to 65,536 characters (clang's -Wpedantic says so),
# and the table is read line by line, so the pieces read as the whole.
set(piece_limit 60000)
foreach(volume a b c d e)
  file(READ "${DIR}/${volume}.tsv" rest)
  while(NOT rest STREQUAL "")
    string(LENGTH "${rest}" length)
    set(cut ${length})
    if(length GREATER piece_limit)
      string(SUBSTRING "${rest}" 0 ${piece_limit} head)
      string(FIND "${head}" "\n" last_newline REVERSE)
      if(last_newline LESS 0)
        message(FATAL_ERROR "${volume}.tsv has a line longer than ${piece_limit} bytes")
      endif()
      math(EXPR cut "${last_newline} + 1")
    endif()
    string(SUBSTRING "${rest}" 0 ${cut} piece)
    string(SUBSTRING "${rest}" ${cut} -1 rest)
    string(APPEND text "R\"tsv(${piece})tsv\",\n")
    math(EXPR count "${count} + 1")
  endwhile()
endforeach()
string(APPEND text "};\nconst std::size_t KestravinShippedOpeningsCount = ${count};\n")
file(WRITE "${OUT}.tmp" "${text}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
