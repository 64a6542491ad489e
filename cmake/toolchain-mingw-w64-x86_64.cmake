# Cross-compiles for 64-bit Windows with Debian's mingw-w64 toolchain
# (g++-mingw-w64-x86-64):
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
#         -DLINEWRIGHT_BUILD_TESTS=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw_target x86_64-w64-mingw32)

# The posix threads variant implements std::thread and friends; the win32
# variant does not. Plain names are the distribution's default alternative.
find_program(LINEWRIGHT_MINGW_CXX NAMES ${_mingw_target}-g++-posix ${_mingw_target}-g++ REQUIRED)
find_program(LINEWRIGHT_MINGW_CC NAMES ${_mingw_target}-gcc-posix ${_mingw_target}-gcc REQUIRED)
find_program(LINEWRIGHT_MINGW_RC NAMES ${_mingw_target}-windres REQUIRED)
set(CMAKE_CXX_COMPILER ${LINEWRIGHT_MINGW_CXX})
set(CMAKE_C_COMPILER ${LINEWRIGHT_MINGW_CC})
set(CMAKE_RC_COMPILER ${LINEWRIGHT_MINGW_RC})

# Headers, libraries and packages come from the target's root only; build
# tools come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw_target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in: the .exe needs no DLL beyond
# those that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Lets CTest and test discovery run the Windows binaries under Wine.
find_program(LINEWRIGHT_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CACHE)
if(LINEWRIGHT_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LINEWRIGHT_WINE64})
endif()
