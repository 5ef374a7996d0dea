# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The posix thread model is the one
# with std::mutex and std::thread, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VZ_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VZ_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VZ_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VZ_MINGW_TRIPLE}-windres)

# Look for libraries and headers of the target only; programs are the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${VZ_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime (libstdc++, libgcc, winpthread) is linked in, so that an .exe runs on
# its own, with no DLL to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs the test programs under Wine where it is installed. Debian's wine64 puts its loader
# outside PATH.
find_program(VZ_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VZ_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VZ_WINE64})
endif()
