# cmake -P: the catalogues hold exactly the texts of the sources, and the shipped languages
# are fully translated.
#   -DLUPDATE=<lupdate> -DLRELEASE=<lrelease> -DLIST=<lupdate's file list>
#   -DOPTIONS=<lupdate options, ;-separated> -DTS_FILES=<catalogues, ;-separated>
#   -DTRANSLATED=<the catalogues that must be complete> -DWORK=<scratch folder>
# Stale catalogue: lupdate on a copy adds or marks entries the committed file lacks. The fix is
# `cmake --build build --target update_translations`, then translating what is new.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failed OFF)
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK}/${name})
  file(COPY_FILE ${ts} ${copy})
  set(extra)
  if(name STREQUAL "vora_template.ts")
    set(extra -no-obsolete)
  endif()
  execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${extra} @${LIST} -ts ${copy}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message("lupdate failed on ${name}:\n${out}${err}")
    set(failed ON)
    continue()
  endif()
  file(READ ${ts} committed)
  file(READ ${copy} updated)
  if(NOT committed STREQUAL updated)
    message("${name} is not up to date with the sources (run the update_translations target):\n${out}")
    set(failed ON)
  endif()
endforeach()
foreach(ts ${TRANSLATED})
  get_filename_component(name ${ts} NAME_WE)
  file(READ ${ts} text)
  if(text MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    message("${name}.ts has an entry of type ${CMAKE_MATCH_1}")
    set(failed ON)
  endif()
  execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK}/${name}.qm
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR out MATCHES "Ignored"
     OR err MATCHES "[Ww]arning")
    message("lrelease ${name}.ts:\n${out}${err}")
    set(failed ON)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "the catalogues do not match the sources")
endif()
