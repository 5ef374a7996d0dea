# SPDX-License-Identifier: MIT
# Hardening of the ELF builds, as Debian builds its packages (dpkg-buildflags with every hardening
# feature): fortified libc calls, format strings checked, a stack protector and stack-clash
# probes, control-flow protection where the processor has it, a position-independent executable
# and read-only relocations resolved at start.
if(NOT (UNIX AND NOT APPLE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang"))
  return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
                    -Werror=format-security)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
  add_compile_options(-fcf-protection)
endif()
# Fortification needs the optimiser (glibc warns without it); -U first, so that a value the
# compiler or the environment set already is replaced rather than redefined.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(LINKER:-z,relro LINKER:-z,now)
