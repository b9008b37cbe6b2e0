# cmake -DTOOL=vora-data -DDATE=YYYY-MM-DD -DOUT=vora-data.1 -P WriteManPage.cmake
# Runs the tool's hidden --man and keeps its output only when the tool succeeded.
execute_process(COMMAND ${TOOL} --man ${DATE}
                OUTPUT_FILE ${OUT}.new
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUT}.new)
  message(FATAL_ERROR "vora-data --man failed: ${status}")
endif()
file(RENAME ${OUT}.new ${OUT})
