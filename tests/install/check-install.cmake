# Runs cmake --install into a staging folder and checks what landed there.
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr/local
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(root ${STAGE}/usr/local)
foreach(f lib/kestravin/kestravin lib/kestravin/FX/click.wav lib/kestravin/FX/click2.wav lib/kestravin/FX/lowtime.wav
          lib/kestravin/DOC/JOGO.html lib/kestravin/DOC/HISTORIA.html
          lib/kestravin/DOC/JOGO_en.html lib/kestravin/DOC/HISTORIA_en.html
          share/applications/kestravin.desktop share/icons/hicolor/128x128/apps/kestravin.png
          bin/kestravin-uci bin/kestravin-pgn)
  if(NOT EXISTS ${root}/${f})
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()
file(GLOB music ${root}/lib/kestravin/MUSICAS/*.wav)
if(NOT music)
  message(FATAL_ERROR "no music installed in lib/kestravin/MUSICAS")
endif()
if(NOT IS_SYMLINK ${root}/bin/kestravin)
  message(FATAL_ERROR "bin/kestravin is not a link to the program")
endif()
file(READ_SYMLINK ${root}/bin/kestravin target)
if(NOT target STREQUAL "../lib/kestravin/kestravin")
  message(FATAL_ERROR "bin/kestravin points to ${target}")
endif()
file(READ ${root}/share/applications/kestravin.desktop entry)
if(NOT entry MATCHES "Exec=kestravin" OR NOT entry MATCHES "Icon=kestravin")
  message(FATAL_ERROR "desktop entry lacks Exec or Icon")
endif()
message(STATUS "install layout complete")
