# Run by CPack after it has built the packages (CPACK_POST_BUILD_SCRIPTS).
# CPack writes no Multi-Arch field, so each Debian package named in
# CPACK_LINEWRIGHT_MULTIARCH_SAME gets "Multi-Arch: same" here: unpacked with
# its control files, the field added, packed again by dpkg-deb with root as
# owner (and SOURCE_DATE_EPOCH honoured, as dpkg-deb does). Without dpkg-deb
# the package stays as CPack built it, with a warning.
foreach(_deb IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(_file "${_deb}" NAME)
  if(NOT _file MATCHES "^([^_]+)_.*\\.deb$" OR NOT CMAKE_MATCH_1 IN_LIST CPACK_LINEWRIGHT_MULTIARCH_SAME)
    continue()
  endif()
  find_program(_dpkg_deb dpkg-deb)
  if(NOT _dpkg_deb)
    message(WARNING "dpkg-deb is not installed: ${_file} has no Multi-Arch field")
    continue()
  endif()
  set(_tree "${CPACK_TOPLEVEL_DIRECTORY}/multiarch/${CMAKE_MATCH_1}")
  file(REMOVE_RECURSE "${_tree}")
  file(MAKE_DIRECTORY "${_tree}")
  execute_process(COMMAND "${_dpkg_deb}" --raw-extract "${_deb}" "${_tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(READ "${_tree}/DEBIAN/control" _control)
  if(NOT _control MATCHES "(^|\n)Multi-Arch:")
    # One paragraph: the field goes before the blank line CPack ends it with.
    string(REGEX REPLACE "\n+$" "" _control "${_control}")
    file(WRITE "${_tree}/DEBIAN/control" "${_control}\nMulti-Arch: same\n")
  endif()
  execute_process(COMMAND "${_dpkg_deb}" --root-owner-group -Zgzip --build "${_tree}" "${_deb}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${_tree}")
endforeach()
