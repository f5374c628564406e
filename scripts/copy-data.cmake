# Copies the program's data folders (FX, MUSICAS, DOC, exercises) beside the
# executable.
foreach(dir FX MUSICAS DOC exercises)
  if(EXISTS ${SRC}/${dir})
    file(COPY ${SRC}/${dir} DESTINATION ${DST})
  endif()
endforeach()
