# What the program tells about itself: its version (from the project), and
# the home page and contact address that whoever distributes it fills in, for
# example a package build:
#   cmake -DKESTRAVIN_HOMEPAGE=https://... -DKESTRAVIN_CONTACT=name@host ...
# Left empty, the about box points at the installed user guide instead and
# shows no e-mail link. They reach the code as the compile definitions
# KESTRAVIN_VERSION, KESTRAVIN_HOMEPAGE and KESTRAVIN_CONTACT (string
# literals) of every target that links `buildinfo`.
set(KESTRAVIN_HOMEPAGE "" CACHE STRING "The program's home page (http or https address), or empty")
set(KESTRAVIN_CONTACT "" CACHE STRING "The contact e-mail address, or empty")

if(KESTRAVIN_HOMEPAGE AND NOT KESTRAVIN_HOMEPAGE MATCHES "^https?://[^ \"\\\\]+$")
  message(FATAL_ERROR "KESTRAVIN_HOMEPAGE must be an http or https address, not \"${KESTRAVIN_HOMEPAGE}\"")
endif()
if(KESTRAVIN_CONTACT AND NOT KESTRAVIN_CONTACT MATCHES "^[^@ <>\"\\\\]+@[^@ <>\"\\\\]+\\.[^@ <>\"\\\\]+$")
  message(FATAL_ERROR "KESTRAVIN_CONTACT must be an e-mail address (name@host), not \"${KESTRAVIN_CONTACT}\"")
endif()

add_library(buildinfo INTERFACE)
target_compile_definitions(buildinfo INTERFACE
  "KESTRAVIN_VERSION=\"${PROJECT_VERSION}\""
  "KESTRAVIN_HOMEPAGE=\"${KESTRAVIN_HOMEPAGE}\""
  "KESTRAVIN_CONTACT=\"${KESTRAVIN_CONTACT}\"")
