# cmake -P: reads CHANGELOG.sample.md through cmake/Changelog.cmake and compares the Debian
# changelog and the AppStream releases with the files written by hand beside it. The sample
# holds every character CMake treats specially in lists and strings.
#   -DSOURCE_DIR=<source tree> [-DPROJECT_VERSION=<version>, default the sample's newest]
if(NOT PROJECT_VERSION)
  set(PROJECT_VERSION 2.1.0)
endif()
set(VORA_MAINTAINER "Tester <tester@example.org>")
set(vora_changelog_file ${CMAKE_CURRENT_LIST_DIR}/CHANGELOG.sample.md)
include(${SOURCE_DIR}/cmake/Changelog.cmake)

set(failed OFF)
foreach(pair "debian-changelog;VORA_DEBIAN_CHANGELOG" "metainfo-releases;VORA_METAINFO_RELEASES")
  list(GET pair 0 name)
  list(GET pair 1 variable)
  file(READ ${CMAKE_CURRENT_LIST_DIR}/${name}.expected expected)
  if(NOT "${${variable}}" STREQUAL "${expected}")
    message("${name} differs. Made:\n${${variable}}\nExpected:\n${expected}")
    set(failed ON)
  endif()
endforeach()
if(NOT VORA_RELEASE_DATE STREQUAL "2024-02-29")
  message("newest release date: '${VORA_RELEASE_DATE}'")
  set(failed ON)
endif()
if(failed)
  message(FATAL_ERROR "changelog made wrongly")
endif()
