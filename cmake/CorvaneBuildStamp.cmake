# corvane_build_stamp(<target>): gives a tool built on the installed
# CorvaneCore its own build stamps, the date and time its banner shows. The
# stamps are generated into the target's build directory whenever one of the
# target's sources changes (call it after they are given), in local time, or
# from SOURCE_DATE_EPOCH in UTC when that is set. A source that writes
# CORVANE_BUILD_STAMP as well gives way to these.
set(_corvane_stamp_script ${CMAKE_CURRENT_LIST_DIR}/BuildStamp.cmake)
function(corvane_build_stamp target)
  set(_stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_build_stamp.cpp)
  get_target_property(_sources ${target} SOURCES)
  add_custom_command(OUTPUT ${_stamp}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${_stamp} -P ${_corvane_stamp_script}
    DEPENDS ${_sources} ${_corvane_stamp_script}
    COMMENT "Stamping the build date and time of ${target}" VERBATIM)
  target_sources(${target} PRIVATE ${_stamp})
  target_compile_definitions(${target} PRIVATE CORVANE_BUILD_STAMP_GENERATED)
endfunction()
