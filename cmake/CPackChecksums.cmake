# SPDX-License-Identifier: MIT
# Run by cpack once the packages are made (CPACK_POST_BUILD_SCRIPTS).
# CPack's DEB generator gives the package's three archive members the modes the umask of whoever
# packages leaves them: they are put into the archive again as dpkg-deb puts them, 0644, owned by
# root, by ar's deterministic mode, so that the package's bytes do not depend on the umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    set(members_folder "${CPACK_TOPLEVEL_DIRECTORY}/deb-members")
    file(REMOVE_RECURSE "${members_folder}")
    file(MAKE_DIRECTORY "${members_folder}")
    execute_process(COMMAND ar t "${package}" OUTPUT_VARIABLE members COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE "\n$" "" members "${members}")
    string(REPLACE "\n" ";" members "${members}")
    execute_process(COMMAND ar x "${package}" WORKING_DIRECTORY "${members_folder}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${package}")
    execute_process(COMMAND ar rcD "${package}" ${members} WORKING_DIRECTORY "${members_folder}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${members_folder}")
  endif()
endforeach()
# Their SHA-256 sums in SHA256SUMS beside them, in the form `sha256sum -c SHA256SUMS` checks.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SHA256 "${package}" sum)
  get_filename_component(name "${package}" NAME)
  string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE "${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS" "${sums}")
message(STATUS "checksums written to ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS")
