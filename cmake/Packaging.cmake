# The Debian package: `cpack -G DEB` in the build folder makes
# kestravin_<version>_<arch>.deb, installed under /usr. What it holds is what
# `cmake --install` installs: the programs (each from its own folder), their
# data, and the menu entry, icons, software-centre description, manual pages
# and copyright (resources/CMakeLists.txt); cmake/DebianPackage.cmake then
# adds what only the package has.
include(GNUInstallDirs)

# The programs of the package; each has its manual page resources/man/<name>.6,
# and the package test (tests/package) checks for each in usr/games.
set(KESTRAVIN_PACKAGE_PROGRAMS
  kestravin
  kestravin-uci
  kestravin-pgn
)

# Who answers for the package: the Maintainer field and the changelog's
# signature (cmake/DebianPackage.cmake). Empty: the contact address, else
# Debian's DEBFULLNAME/DEBEMAIL. With none of them the program builds as
# usual, but the package is not made: cmake/PackageMaintainer.cmake stops
# cpack with a message naming the setting, rather than sign the package with
# an address made up from the user and the host.
set(KESTRAVIN_PACKAGE_MAINTAINER "" CACHE STRING "Maintainer of the Debian package, \"Name <address>\"; empty: chosen from KESTRAVIN_CONTACT or DEBEMAIL")
set(maintainer_form "^[^<>@]*[^<>@ ] <[^@<> ]+@[^@<> ]+\\.[^@<> ]+>$")
set(KESTRAVIN_MAINTAINER ${KESTRAVIN_PACKAGE_MAINTAINER})
if(KESTRAVIN_MAINTAINER)
  if(NOT KESTRAVIN_MAINTAINER MATCHES "${maintainer_form}")
    message(FATAL_ERROR "KESTRAVIN_PACKAGE_MAINTAINER must be \"Name <name@host>\", not \"${KESTRAVIN_MAINTAINER}\"")
  endif()
elseif(KESTRAVIN_CONTACT)
  set(KESTRAVIN_MAINTAINER "Equipe Kestravin <${KESTRAVIN_CONTACT}>")
elseif(NOT "$ENV{DEBEMAIL}" STREQUAL "")
  if("$ENV{DEBEMAIL}" MATCHES "<")
    # Debian's tools also take "Name <address>" in DEBEMAIL.
    set(KESTRAVIN_MAINTAINER "$ENV{DEBEMAIL}")
  else()
    set(maintainer_name "$ENV{DEBFULLNAME}")
    if(NOT maintainer_name)
      set(maintainer_name "Equipe Kestravin")
    endif()
    set(KESTRAVIN_MAINTAINER "${maintainer_name} <$ENV{DEBEMAIL}>")
  endif()
  if(NOT KESTRAVIN_MAINTAINER MATCHES "${maintainer_form}")
    message(FATAL_ERROR "DEBEMAIL must be an e-mail address (or \"Name <name@host>\"), not \"$ENV{DEBEMAIL}\"")
  endif()
endif()
if(NOT KESTRAVIN_MAINTAINER)
  message(STATUS "No maintainer for the Debian package (KESTRAVIN_PACKAGE_MAINTAINER, KESTRAVIN_CONTACT or "
                 "DEBEMAIL): cpack will refuse to make it")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestravin)
set(CPACK_PACKAGE_VENDOR "Equipe Kestravin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KESTRAVIN_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Commands in /usr/games, as Debian wants of a game, and the changelog.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)
# Read by cpack before it installs anything: no package without a maintainer.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageMaintainer.cmake)
find_program(GZIP_PROGRAM gzip REQUIRED)
set(CPACK_KESTRAVIN_GZIP ${GZIP_PROGRAM})
set(CPACK_KESTRAVIN_CHANGELOG ${PROJECT_SOURCE_DIR}/resources/debian/changelog.in)
# Folders that the install creates on the way (share/man/man6...) get the
# usual modes, whatever the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess against the computer or a friend")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME kestravin)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KESTRAVIN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The first line, the synopsis, is CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kestravin 2005 is a chess game for one or two players on the same computer,
with its interface in Brazilian Portuguese. Play against the computer at
five levels, with either colour or switching sides, against a friend, or
watch the computer play itself. Pieces are dragged with the mouse; the move
list takes you back to any earlier position; positions can be saved and
loaded and the move list printed. A start screen, a small music player, an
online chess window and help documents on the rules and the history of
chess stand around the game.
.
The package also holds kestravin-uci, the game's engine for chess programs
that speak the Universal Chess Interface.")
if(KESTRAVIN_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KESTRAVIN_HOMEPAGE})
endif()
# The libraries come from the programs themselves (dpkg-shlibdeps); what Qt
# loads at run time and no binary names is added: GStreamer's plugins for
# the sounds and music (the WAV parser is in -good), Qt's own translations
# (its dialogs and buttons in the interface language), the fonts the
# windows are drawn with, and Qt SQL's SQLite driver, which keeps the
# exercises' progress.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n, fonts-liberation, fonts-dejavu-core, fonts-tomsontalks, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "stockfish, gnuchess-book")

include(CPack)
