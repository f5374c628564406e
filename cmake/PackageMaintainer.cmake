# CPack reads this (CPACK_PROJECT_CONFIG_FILE in cmake/Packaging.cmake)
# before it installs anything: a package that names no maintainer is not
# made. Debian's own tools would sign it with the building user at this
# host, an address that reaches nobody (and that lintian refuses).
if(CPACK_GENERATOR STREQUAL "DEB" AND "${CPACK_DEBIAN_PACKAGE_MAINTAINER}" STREQUAL "")
  message(FATAL_ERROR
    "The Debian package needs a maintainer, \"Name <address>\". Configure the build with "
    "-DKESTRAVIN_PACKAGE_MAINTAINER=\"Name <address>\" (or -DKESTRAVIN_CONTACT=address, or set DEBEMAIL), "
    "or give it to cpack: -D CPACK_DEBIAN_PACKAGE_MAINTAINER=\"Name <address>\". No package was made.")
endif()
