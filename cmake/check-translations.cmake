# Fails when a .ts file lacks a text of the sources or leaves one
# unfinished. Run by cmake/translations.cmake:
#   cmake -DLUPDATE= -DLRELEASE= -DTS= -DSOURCES=<list file> -DINCLUDE= -DSTAMP= -P
get_filename_component(_name "${TS}" NAME_WE)
get_filename_component(_work "${STAMP}" DIRECTORY)
set(_copy "${_work}/${_name}.check.ts")
file(COPY_FILE "${TS}" "${_copy}")
execute_process(COMMAND "${LUPDATE}" -silent -locations none -I "${INCLUDE}" "@${SOURCES}"
                        -ts "${_copy}"
                RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${TS}:\n${_out}")
endif()
execute_process(COMMAND "${LRELEASE}" "${_copy}" -qm "${_work}/${_name}.check.qm"
                RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "lrelease failed on ${TS}:\n${_out}")
endif()
set(_missing 0)
if(_out MATCHES "([0-9]+) unfinished")
  math(EXPR _missing "${_missing} + ${CMAKE_MATCH_1}")
endif()
if(_out MATCHES "Ignored ([0-9]+) untranslated")
  math(EXPR _missing "${_missing} + ${CMAKE_MATCH_1}")
endif()
if(NOT _out MATCHES "Generated [0-9]+ translation")
  message(FATAL_ERROR "lrelease's counts not found for ${TS}:\n${_out}")
endif()
if(_missing GREATER 0)
  message(FATAL_ERROR "${TS}: ${_missing} text(s) of the sources missing or unfinished "
                      "(cmake --build build --target pellumo_lupdate adds them):\n${_out}")
endif()
file(TOUCH "${STAMP}")
