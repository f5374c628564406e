# Copies the program's data folders (FX, MUSICAS, DOC) beside the executable.
foreach(dir FX MUSICAS DOC)
  if(EXISTS ${SRC}/${dir})
    file(COPY ${SRC}/${dir} DESTINATION ${DST})
  endif()
endforeach()
