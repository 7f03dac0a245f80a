# cmake -P script: install into a temporary prefix, then pick a place with the installed
# hxplaces, which must find the installed picker card through the installed card registry
# alone (no HX_CARD_REGISTRY, no library path, nothing from the build tree).
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}\n${err}")
    endif()
    set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(installed IN ITEMS bin/hx-placepickercard bin/hx-placepreviewcard
        share/hxtrellanplaces/cards/placepickercard.json share/hxtrellanplaces/cards/placepreviewcard.json)
    if(NOT EXISTS ${prefix}/${installed})
        message(FATAL_ERROR "${installed} is not installed")
    endif()
endforeach()
file(READ ${prefix}/share/hxtrellanplaces/cards/placepickercard.json entry)
if(NOT entry MATCHES "sys.places.placepicker" OR NOT entry MATCHES "hx-placepickercard")
    message(FATAL_ERROR "the picker card's registry entry names another card: ${entry}")
endif()

unset(ENV{HX_CARD_REGISTRY})
unset(ENV{HX_CARD_STEPS})
unset(ENV{LD_LIBRARY_PATH})
set(ENV{XDG_DATA_HOME} ${WORK_DIR}/data)
file(WRITE ${WORK_DIR}/cafes.csv "name,lat,lon,street,city,category\nLumen Coffee,43.4643,-80.5204,1 King St,Waterloo,cafe\n")
run(${prefix}/bin/places-import -o ${WORK_DIR}/gazetteer.db --kind poi ${WORK_DIR}/cafes.csv)
run(${prefix}/bin/hxplaces pick --type lumen --choose 1 --store ${WORK_DIR}/places.db
    --gazetteer ${WORK_DIR}/gazetteer.db --at 43.4643,-80.5204)
if(NOT last_output MATCHES "\"name\":\"Lumen Coffee\"")
    message(FATAL_ERROR "the installed picker card did not pick the cafe: ${last_output}")
endif()
message(STATUS "picked through the installed card: ${last_output}")

# The installed hxplaces draws a card with every image it names, from the default set installed
# beside the libraries.
unset(ENV{HX_APP_ASSETS})
unset(ENV{HX_DEFAULT_ASSETS})
execute_process(COMMAND ${prefix}/bin/hxplaces show details 12 --demo --gazetteer ${WORK_DIR}/gazetteer.db
    --png ${WORK_DIR}/details.png RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR err MATCHES "no image for" OR NOT EXISTS ${WORK_DIR}/details.png)
    message(FATAL_ERROR "the installed card lacks images (${result}): ${err}")
endif()
