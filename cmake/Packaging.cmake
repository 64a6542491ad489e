# Packages, built with `cpack` in the build directory (VERSION is the release,
# major.minor.patch, from CMakeLists.txt):
#   Linux:   linewright-VERSION-Linux.tar.gz (the whole install tree),
#            linewright_VERSION-REVISION_<arch>.deb (the program) and
#            libcorvanecore-dev_VERSION-REVISION_<arch>.deb (the CorvaneCore package)
#   Windows: linewright-VERSION-win64.zip (Linewright.exe, README.md, LICENSE)
set(LINEWRIGHT_PACKAGE_CONTACT "The Linewright developers <developers@linewright.example>"
    CACHE STRING "Maintainer of the Debian packages, as a name and an address in angle brackets")
set(LINEWRIGHT_PACKAGE_HOMEPAGE "https://linewright.example/"
    CACHE STRING "Home page named in the packages' Homepage field")
set(CPACK_PACKAGE_NAME linewright)
set(CPACK_PACKAGE_VERSION ${LINEWRIGHT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Linewright developers")
set(CPACK_PACKAGE_CONTACT "${LINEWRIGHT_PACKAGE_CONTACT}")
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
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LINEWRIGHT_PACKAGE_CONTACT}")
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LINEWRIGHT_PACKAGE_HOMEPAGE}")
  # The Debian revision after the upstream version, which makes
  # changelog.Debian.gz the package's changelog. 2: the native line ends and
  # characters, with the program's own release and build numbers unchanged.
  set(CPACK_DEBIAN_PACKAGE_RELEASE 2)
  set(LINEWRIGHT_DEB_VERSION "${LINEWRIGHT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
  # A static program needs no shared library; a dynamic one declares what
  # dpkg-shlibdeps (dpkg-dev) finds it linked against.
  if(LINEWRIGHT_STATIC)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  else()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  endif()

  # Files only the Debian packages carry: CPack installs each component by
  # name, which includes them, while `cmake --install` and the tarball leave
  # them out. Each package has its changelog and copyright file.
  configure_file(${CMAKE_SOURCE_DIR}/packaging/deb/changelog.in
                 ${CMAKE_BINARY_DIR}/install/deb/changelog.Debian @ONLY)
  linewright_gzip(${CMAKE_BINARY_DIR}/install/deb/changelog.Debian changelog.Debian
                  _linewright_deb_changelog)
  install(FILES ${_linewright_deb_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR}
          COMPONENT Runtime EXCLUDE_FROM_ALL)
  install(FILES ${_linewright_deb_changelog} ${CMAKE_BINARY_DIR}/install/copyright
          DESTINATION ${CORVANECORE_DOC_DIR} COMPONENT Development EXCLUDE_FROM_ALL)
  # lintian's overrides, each with its reason; the static one only where the
  # program is static.
  set(_overrides_dir ${CMAKE_SOURCE_DIR}/packaging/deb)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${_overrides_dir}/linewright.lintian-overrides
               ${_overrides_dir}/linewright-static.lintian-overrides)
  file(READ ${_overrides_dir}/linewright.lintian-overrides _overrides)
  if(LINEWRIGHT_STATIC)
    file(READ ${_overrides_dir}/linewright-static.lintian-overrides _static_overrides)
    string(APPEND _overrides "${_static_overrides}")
  endif()
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/install/deb/linewright.lintian-overrides
       CONTENT "${_overrides}" @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/install/deb/linewright.lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME linewright
          COMPONENT Runtime EXCLUDE_FROM_ALL)
  install(FILES ${_overrides_dir}/libcorvanecore-dev.lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME libcorvanecore-dev
          COMPONENT Development EXCLUDE_FROM_ALL)

  set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME linewright)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION utils)
  # Each package's description starts with its own summary line.
  set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
      "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")

  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libcorvanecore-dev)
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
  # Both packages come from one source, whose changelog they carry.
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SOURCE linewright)
  # The files that name no architecture (headers, documents, the example) are
  # the same in every architecture's package, so several can be installed
  # side by side for cross builds. CPack writes no Multi-Arch field; the
  # script adds it to the packages listed.
  set(CPACK_LINEWRIGHT_MULTIARCH_SAME libcorvanecore-dev)
  set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/deb/multiarch.cmake)
  set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
      "command-line option framework and console services (static library)
CorvaneCore is the core library of the Linewright family of console tools:
options defined by alias lists, positional slots, syntax validation, and the
common banner and syntax-error report. This package holds the static
library, its headers (<corvane/...>, namespace corvane, with the single
header <corvane/corvane.h>), the CMake package, where find_package(CorvaneCore)
gives the target CorvaneCore::corvane_core, the pkg-config file corvanecore.pc,
the library reference (corvanecore.md) and the example tool tally, in
/usr/share/doc/libcorvanecore-dev.")

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
