# Cross build for 64-bit Windows with Debian's MinGW-w64 (GCC 12, posix
# threads, SEH):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The C++ runtime is linked as DLLs (libstdc++-6, libgcc_s_seh-1,
# libwinpthread-1), as the Qt DLLs built with this file use it: one runtime
# per process, shipped beside the executables.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
# A Qt prefix for Windows given as CMAKE_PREFIX_PATH (scripts/windows-qt) is
# searched as a root too.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 reports false -Wrestrict overlaps inside std::string when inlining.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")

# Tests and ctest run the executables through Wine.
find_program(KESTRIN_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(KESTRIN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KESTRIN_WINE})
endif()
