# How the program is linked on Linux. A run costs mostly the pages it
# touches, so lld puts the functions and data that start-up and an ordinary
# request touch next to each other, in the order of cmake/link-order.txt
# (scripts/link-order writes it from traced runs of the default program). A
# name the file lists that the program no longer has only costs speed: lld
# warns and goes on. Sets LINEWRIGHT_LINK_ORDER_OPTIONS to what applies the
# order in a static link, and LINEWRIGHT_PACK_RELOCS to the flag that packs
# relative relocations (DT_RELR): a few words instead of a table that
# start-up reads and writes.
include(CheckLinkerFlag)

set(LINEWRIGHT_LINK_ORDER ${CMAKE_SOURCE_DIR}/cmake/link-order.txt)
set(LINEWRIGHT_LINK_ORDER_OPTIONS "")
set(LINEWRIGHT_PACK_RELOCS "")
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  return()
endif()

check_linker_flag(CXX -fuse-ld=lld LINEWRIGHT_HAVE_LLD)
if(LINEWRIGHT_HAVE_LLD)
  # Every segment starts on a page of its own, so the data that start-up
  # writes spans as few pages as its size allows wherever the code ends: one
  # page of padding in the file saves three page faults a run.
  target_link_options(linewright PRIVATE -fuse-ld=lld -Wl,-z,separate-loadable-segments)
  # Optimised builds only: the others have functions of their own.
  set(LINEWRIGHT_LINK_ORDER_OPTIONS
    "$<$<CONFIG:Release,MinSizeRel,RelWithDebInfo>:-Wl,--symbol-ordering-file=${LINEWRIGHT_LINK_ORDER}>")
  set_property(TARGET linewright APPEND PROPERTY LINK_DEPENDS ${LINEWRIGHT_LINK_ORDER})
  set(_pack_flags -Wl,--pack-dyn-relocs=relr)
else()
  message(STATUS "lld not found: linking with the default linker, without the start-up order")
  set(_pack_flags -Wl,-z,pack-relative-relocs)
endif()

# lld spells it --pack-dyn-relocs (14 warns on -z and goes on), binutils 2.38
# and later -z.
foreach(flag IN LISTS _pack_flags)
  string(MAKE_C_IDENTIFIER "LINEWRIGHT_LINKER_HAS${flag}" _var)
  set(_linker "")
  if(LINEWRIGHT_HAVE_LLD)
    set(_linker -fuse-ld=lld)
  endif()
  check_linker_flag(CXX "${_linker};${flag}" ${_var})
  if(${_var})
    set(LINEWRIGHT_PACK_RELOCS ${flag})
    break()
  endif()
endforeach()
