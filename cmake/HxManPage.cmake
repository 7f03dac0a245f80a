# cmake -P script: PROGRAM's manual page from its --help, gzip-compressed into OUTPUT.
# The page's one-line name is the first phrase of the description that follows "Usage:".
set(ENV{QT_QPA_PLATFORM} offscreen)
# Defaults in the help come from the environment: the page shows the variables' names rather
# than the paths of whoever built it.
set(ENV{XDG_DATA_HOME} "$XDG_DATA_HOME")
set(ENV{XDG_RUNTIME_DIR} "$XDG_RUNTIME_DIR")
foreach(variable HX_PLACES_DB HX_GAZETTEER_DB HX_MSG_ROOT HX_PPS_ROOT HX_APP_ASSETS HX_EVENT_LOG)
    unset(ENV{${variable}})
endforeach()
execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE result OUTPUT_VARIABLE help ERROR_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()
get_filename_component(name ${PROGRAM} NAME)
set(summary "${name}")
if(help MATCHES "Usage:[^\n]*\n+([^\n]+)")
    string(REGEX MATCH "^[^.:;(]*" summary "${CMAKE_MATCH_1}")
    string(STRIP "${summary}" summary)
endif()

string(REGEX REPLACE "\\.gz$" "" page ${OUTPUT})
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${HELP2MAN} --no-info --section=1 --source=libhxtrellanplaces
        --version-string=${VERSION} "--name=${summary}" --output=${page} ${PROGRAM}
    RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "help2man failed on ${PROGRAM}: ${error}")
endif()
# -n leaves out the time and name, so the same help gives the same bytes.
execute_process(COMMAND ${GZIP} -9nf ${page} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${page}")
endif()
