# Cross-compiles for macOS or FreeBSD with the zig compiler, which brings
# their headers and libraries (pip install ziglang):
#   cmake -S . -B build/x86_64-macos -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-zig.cmake \
#         -DLINEWRIGHT_ZIG_TARGET=x86_64-macos -DLINEWRIGHT_BUILD_TESTS=OFF
# Targets: x86_64-macos, aarch64-macos, x86_64-freebsd.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LINEWRIGHT_ZIG_TARGET)
if(NOT LINEWRIGHT_ZIG_TARGET MATCHES "^([a-z0-9_]+)-(macos|freebsd)")
  message(FATAL_ERROR "LINEWRIGHT_ZIG_TARGET: expected <arch>-macos or <arch>-freebsd, got '${LINEWRIGHT_ZIG_TARGET}'")
endif()
set(CMAKE_SYSTEM_PROCESSOR ${CMAKE_MATCH_1})
if(CMAKE_MATCH_2 STREQUAL "macos")
  set(CMAKE_SYSTEM_NAME Darwin)
else()
  set(CMAKE_SYSTEM_NAME FreeBSD)
endif()

find_program(LINEWRIGHT_PYTHON NAMES python3 REQUIRED)
set(_zig ${LINEWRIGHT_PYTHON} -m ziglang)
set(CMAKE_CXX_COMPILER ${_zig} c++ -target ${LINEWRIGHT_ZIG_TARGET})
# The host's ar may not know the target's object format; zig's does.
string(REPLACE ";" " " _zig "${_zig}")
set(CMAKE_CXX_ARCHIVE_CREATE "${_zig} ar qc <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_APPEND "${_zig} ar q <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_FINISH "${_zig} ranlib <TARGET>")
