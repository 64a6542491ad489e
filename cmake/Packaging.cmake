# Packages, built with `cpack` in the build directory (VERSION is the release,
# major.minor.patch, from CMakeLists.txt):
#   Linux:   linewright-VERSION-Linux.tar.gz (the whole install tree),
#            linewright_VERSION_<arch>.deb (the program) and
#            libcorvanecore-dev_VERSION_<arch>.deb (the CorvaneCore package)
#   Windows: linewright-VERSION-win64.zip (Linewright.exe, README.md, LICENSE)
set(CPACK_PACKAGE_NAME linewright)
set(CPACK_PACKAGE_VERSION ${LINEWRIGHT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Linewright developers")
set(CPACK_PACKAGE_CONTACT "The Linewright developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write a character repeated to a given length, for scripts")
set(CPACK_PACKAGE_DESCRIPTION
    "Linewright writes a character repeated to a given length, on one or more
lines, for shell scripts and batch files: separators, rules and padding.
Every line ends with CR LF.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${CMAKE_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/build-[^/]*/" "/out/" "/\\\\.git/" "/\\\\.cache/"
    "/fuzz/findings/" "/bench/results/")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME "linewright-${LINEWRIGHT_VERSION}-win64")
else()
  set(CPACK_GENERATOR TGZ DEB)

  # The tarball holds everything `cmake --install` installs.
  set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)

  # Debian packages: the program alone, so installing it puts no headers
  # into the system's include directory; the library apart, for developers.
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL Runtime Development)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Linewright developers")
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The program is linked statically: it needs no shared library.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "")

  set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME linewright)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION utils)
  # Each package's description starts with its own summary line.
  set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
      "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")

  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libcorvanecore-dev)
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
  set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
      "command-line option framework and console services (static library)
CorvaneCore is the core library of the Linewright family of console tools:
options defined by alias lists, positional slots, syntax validation, and the
common banner and syntax-error report. This package holds the static
library, its headers and the CMake package: find_package(CorvaneCore)
gives the target CorvaneCore::core.")

  # CPack would put the project's summary in front of every package's own:
  # for the Debian packages, let it see the summary as unset.
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/install/CPackProjectConfig.cmake)
  file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} @ONLY CONTENT [[
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CPACK_DEFAULT_PACKAGE_DESCRIPTION_SUMMARY}")
endif()
]])
endif()

include(CPack)

cpack_add_component(Runtime DISPLAY_NAME "Linewright" REQUIRED)
cpack_add_component(Development DISPLAY_NAME "CorvaneCore development files")
