# The float text form follows the locale the process starts with: compile a German locale
# into a private folder and run the probe under it and under C.
# Usage: cmake -DPROBE=<path> -DWORK=<dir> -P format_settings_locale_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND localedef -i de_DE -f UTF-8 ${WORK}/de_DE.UTF-8 RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS ${WORK}/de_DE.UTF-8)
  message(FATAL_ERROR "localedef could not build de_DE.UTF-8 (is Debian's locales package installed?)")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env LOCPATH=${WORK} LC_ALL=de_DE.UTF-8 ${PROBE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "1234,5|.\n")
  message(FATAL_ERROR "under de_DE: exit ${rc}, output '${out}'")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${PROBE} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 3 OR NOT out STREQUAL "1234.5|,\n")
  message(FATAL_ERROR "under C: exit ${rc}, output '${out}'")
endif()
file(REMOVE_RECURSE ${WORK})
