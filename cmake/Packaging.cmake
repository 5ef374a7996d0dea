# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in a build folder. Library dependencies are computed by
# dpkg-shlibdeps; the two font packages are hard dependencies, as the windows' layout is measured
# for their fonts (without them captions are cut).
set(CPACK_PACKAGE_NAME vezuvazov)
set(CPACK_PACKAGE_VENDOR ${VEZUVAZOV_VENDOR})
set(CPACK_PACKAGE_CONTACT "${VEZUVAZOV_VENDOR} <${VEZUVAZOV_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Composes Counter-Strike console scripts that buy a chosen loadout at one key press and\
 writes them into the game's cstrike folder.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://didadura.example/vezuvazov)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2")

# One commit, one package, byte for byte; and its checksum beside it.
set(CPACK_VEZUVAZOV_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackReproducible.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackChecksums.cmake)

include(CPack)
