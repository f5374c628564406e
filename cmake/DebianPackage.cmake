# CPack runs this on the installed files before it packs them
# (CPACK_PRE_BUILD_SCRIPTS in cmake/Packaging.cmake): what only the Debian
# package has.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# Debian keeps the commands of the games section in /usr/games, not /usr/bin
# (policy 11.11). The kestravin link is relative, ../lib/kestravin/kestravin,
# and /usr/games lies as deep as /usr/bin, so it still points at the program.
if(IS_DIRECTORY "${usr}/bin")
  file(MAKE_DIRECTORY "${usr}/games")
  file(GLOB commands RELATIVE "${usr}/bin" "${usr}/bin/*")
  foreach(command ${commands})
    file(RENAME "${usr}/bin/${command}" "${usr}/games/${command}")
  endforeach()
  file(REMOVE_RECURSE "${usr}/bin")
endif()

# The changelog, signed by the package's maintainer (which a cpack -D may
# have given), compressed as Debian wants: gzip -9 without name or time.
set(KESTRAVIN_MAINTAINER "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
set(doc "${usr}/share/doc/kestravin")
configure_file("${CPACK_KESTRAVIN_CHANGELOG}" "${doc}/changelog" @ONLY)
execute_process(COMMAND "${CPACK_KESTRAVIN_GZIP}" -9nf "${doc}/changelog" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip ${doc}/changelog failed")
endif()
