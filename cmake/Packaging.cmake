# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in a build folder. Library dependencies are computed by
# dpkg-shlibdeps; the two font packages are hard dependencies, as the windows' layout is measured
# for their fonts (without them captions are cut).
set(CPACK_PACKAGE_NAME vezuvazov)
set(CPACK_PACKAGE_VENDOR ${VEZUVAZOV_VENDOR})
set(CPACK_PACKAGE_CONTACT "${VEZUVAZOV_VENDOR} <${VEZUVAZOV_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the long description's lines at most 80 characters wide; cpack keeps each line.
set(CPACK_PACKAGE_DESCRIPTION
    "Composes Counter-Strike console scripts that buy a chosen loadout at one key\n\
press and writes them into the game's cstrike folder.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The folders the package makes have these modes whatever the umask of whoever packages it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision is the changelog's newest entry's, whose upstream version must be the
# project's: the changelog is the one place to change it.
file(STRINGS ${PROJECT_SOURCE_DIR}/dist/debian/changelog newest_entry LIMIT_COUNT 1)
string(REGEX MATCH "^vezuvazov \\(([^)-]+)-([^)]+)\\)" newest_entry "${newest_entry}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "dist/debian/changelog's newest entry is of version ${CMAKE_MATCH_1}, "
                      "the project is ${PROJECT_VERSION}: add an entry for it")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
# The release's date, as the manual page and the AppStream metadata give it: the newest entry's,
# from its trailer ("Mon, 07 Dec 2026 12:00:00 +0000"), as 2026-12-07.
file(STRINGS ${PROJECT_SOURCE_DIR}/dist/debian/changelog newest_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT newest_trailer MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+) ")
  message(FATAL_ERROR "dist/debian/changelog's newest entry has no date: ${newest_trailer}")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 101")  # 101 to 112: the month's two digits behind a 1
string(SUBSTRING ${month} 1 2 month)
set(VEZUVAZOV_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})

set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2")

# One commit, one package, byte for byte; and its checksum beside it.
set(CPACK_VEZUVAZOV_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackReproducible.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackChecksums.cmake)

include(CPack)
