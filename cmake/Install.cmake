# Install rules. Two components:
#   Runtime     - the program, its man page, shell completions and documents
#   Development - the CorvaneCore static library, its headers, the CMake
#                 package that lets the family's other tools find_package it,
#                 the pkg-config file, the library reference and the example
# On Windows only the program and its two documents are installed.
# Debian-style systems keep what is built for one architecture (the library,
# its CMake and pkg-config files) under lib/<triplet>, where cross builds look.
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT DEFINED CMAKE_INSTALL_LIBDIR)
  set(CMAKE_INSTALL_LIBDIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}" CACHE PATH "Object code libraries (lib)")
endif()
include(GNUInstallDirs)

# Documents go where the package name says (share/doc/linewright), unless the
# builder chose a directory.
if("$CACHE{CMAKE_INSTALL_DOCDIR}" STREQUAL "")
  set(CMAKE_INSTALL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/linewright")
endif()

set(LINEWRIGHT_DOC_FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE)

if(WIN32)
  # A flat folder: Linewright.exe beside its README and LICENSE.
  install(TARGETS linewright RUNTIME DESTINATION . COMPONENT Runtime)
  install(FILES ${LINEWRIGHT_DOC_FILES} DESTINATION . COMPONENT Runtime)
  return()
endif()

# Compresses SOURCE into <build>/install/NAME.gz and sets OUT_VAR to it:
# gzip -9 without a name or time stamp, as Debian's policy asks for man pages
# and changelogs, and so that builds stay byte-identical. Without gzip,
# OUT_VAR is SOURCE itself.
find_program(LINEWRIGHT_GZIP gzip)
function(linewright_gzip source name out_var)
  set(_out ${source})
  if(LINEWRIGHT_GZIP)
    set(_out ${CMAKE_BINARY_DIR}/install/${name}.gz)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
    execute_process(COMMAND ${LINEWRIGHT_GZIP} -9 -n -c ${source} OUTPUT_FILE ${_out}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${out_var} ${_out} PARENT_SCOPE)
endfunction()

# ---- Runtime ---------------------------------------------------------------
install(TARGETS linewright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
# The page carries the version of this build.
configure_file(${CMAKE_SOURCE_DIR}/doc/linewright.1.in ${CMAKE_BINARY_DIR}/doc/linewright.1 @ONLY)
linewright_gzip(${CMAKE_BINARY_DIR}/doc/linewright.1 linewright.1 _linewright_man_page)
install(FILES ${_linewright_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)
install(FILES ${CMAKE_SOURCE_DIR}/completions/linewright.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME linewright COMPONENT Runtime)
install(FILES ${CMAKE_SOURCE_DIR}/completions/_linewright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions COMPONENT Runtime)
install(FILES ${CMAKE_SOURCE_DIR}/completions/linewright.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d COMPONENT Runtime)

# The licence also as "copyright", the name a Debian system looks for.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE _linewright_license)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/install/copyright @ONLY CONTENT
[[Linewright @LINEWRIGHT_VERSION@ and the CorvaneCore library

Upstream author: The Linewright developers
License: MIT (the full text follows)

@_linewright_license@]])
# The project's changelog under the name Debian gives an upstream changelog.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
linewright_gzip(${CMAKE_SOURCE_DIR}/CHANGELOG.md changelog _linewright_changelog)
install(FILES ${LINEWRIGHT_DOC_FILES} ${CMAKE_BINARY_DIR}/install/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT Runtime)
install(FILES ${_linewright_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT Runtime)

# ---- Development: the CorvaneCore package ------------------------------------
set(CORVANECORE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/CorvaneCore)

# Consumers include the headers as <corvane/...> from the include directory,
# and need the language level the headers are written in.
target_include_directories(corvane_core PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_compile_features(corvane_core PUBLIC cxx_std_20)
set_target_properties(corvane_core PROPERTIES EXPORT_NAME core)
# The same names inside this tree, so in-tree and installed consumers read alike.
add_library(CorvaneCore::core ALIAS corvane_core)
add_library(CorvaneCore::corvane_core ALIAS corvane_core)

# The library holds the portable core and the OS file alike, so a consumer
# links this one archive (and on Windows user32, which the target carries).
install(TARGETS corvane_core EXPORT CorvaneCoreTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
# The public surface only: the headers under core/ are the library's own.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/corvane
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)
install(EXPORT CorvaneCoreTargets NAMESPACE CorvaneCore::
        DESTINATION ${CORVANECORE_CMAKE_DIR} COMPONENT Development)

include(CMakePackageConfigHelpers)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/CorvaneCoreConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/install/CorvaneCoreConfig.cmake
                              INSTALL_DESTINATION ${CORVANECORE_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/install/CorvaneCoreConfigVersion.cmake
                                 VERSION ${LINEWRIGHT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/install/CorvaneCoreConfig.cmake
              ${CMAKE_BINARY_DIR}/install/CorvaneCoreConfigVersion.cmake
              ${CMAKE_SOURCE_DIR}/cmake/CorvaneBuildStamp.cmake
              ${CMAKE_SOURCE_DIR}/cmake/BuildStamp.cmake
        DESTINATION ${CORVANECORE_CMAKE_DIR} COMPONENT Development)

# The library reference and the example tool, where the -dev package keeps
# its documents.
set(CORVANECORE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/libcorvanecore-dev)
install(FILES ${CMAKE_SOURCE_DIR}/doc/corvanecore.md
        DESTINATION ${CORVANECORE_DOC_DIR} COMPONENT Development)
install(FILES ${CMAKE_SOURCE_DIR}/examples/frame/frame.cpp
              ${CMAKE_SOURCE_DIR}/examples/frame/CMakeLists.txt
        DESTINATION ${CORVANECORE_DOC_DIR}/examples/frame COMPONENT Development)

# The pkg-config file finds the prefix from its own place, so a staged or
# relocated tree works as well as the configured prefix.
set(_pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(IS_ABSOLUTE "${_pc_dir}")
  set(CORVANECORE_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH _pc_up "/${_pc_dir}" "/")
  string(REGEX REPLACE "/$" "" CORVANECORE_PC_PREFIX "\${pcfiledir}/${_pc_up}")
endif()
foreach(_dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${_dir}}")
    set(CORVANECORE_PC_${_dir} "${CMAKE_INSTALL_${_dir}}")
  else()
    set(CORVANECORE_PC_${_dir} "\${prefix}/${CMAKE_INSTALL_${_dir}}")
  endif()
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/cmake/corvanecore.pc.in
               ${CMAKE_BINARY_DIR}/install/corvanecore.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/install/corvanecore.pc
        DESTINATION ${_pc_dir} COMPONENT Development)
