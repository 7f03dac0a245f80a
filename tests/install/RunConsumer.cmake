# cmake -P script: install, move the installed tree elsewhere, then build the consumer against
# the moved tree with find_package and with pkg-config, and run both builds. Moving the tree
# proves that nothing installed names the prefix it was installed to. Then the example
# application is built the same way and picks a place on a virtual display.
file(REMOVE_RECURSE ${WORK_DIR})
set(installed ${WORK_DIR}/installed)
set(prefix ${WORK_DIR}/moved)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
    endif()
    string(STRIP "${out}" out)
    set(last_output "${out}" PARENT_SCOPE)
endfunction()

function(expect_same_folder what actual expected)
    get_filename_component(actual_real "${actual}" REALPATH)
    get_filename_component(expected_real "${expected}" REALPATH)
    if(NOT actual_real STREQUAL expected_real)
        message(FATAL_ERROR "${what} is ${actual}, not under the installed tree ${expected}")
    endif()
endfunction()

function(run_consumer program)
    run(${program})
    if(NOT last_output MATCHES "consumer ok")
        message(FATAL_ERROR "${program} printed: ${last_output}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${installed})
file(RENAME ${installed} ${prefix})
set(ENV{LD_LIBRARY_PATH} "${prefix}/${LIBDIR}:$ENV{LD_LIBRARY_PATH}")

# The CMake way.
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}
    -DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run_consumer(${WORK_DIR}/build/consumer)

# The pkg-config way: every library's file resolves, and points into the moved tree.
set(ENV{PKG_CONFIG_PATH} "${prefix}/${LIBDIR}/pkgconfig")
file(GLOB pc_files ${prefix}/${LIBDIR}/pkgconfig/*.pc)
if(NOT pc_files)
    message(FATAL_ERROR "no pkg-config files under ${prefix}/${LIBDIR}/pkgconfig")
endif()
foreach(pc_file IN LISTS pc_files)
    get_filename_component(module ${pc_file} NAME_WE)
    run(${PKG_CONFIG} --print-errors --cflags --libs ${module})
    run(${PKG_CONFIG} --variable=includedir ${module})
    expect_same_folder("${module}'s includedir" "${last_output}" ${prefix}/${INCLUDEDIR})
    run(${PKG_CONFIG} --variable=libdir ${module})
    expect_same_folder("${module}'s libdir" "${last_output}" ${prefix}/${LIBDIR})
endforeach()
run(${PKG_CONFIG} --cflags --libs hxtrellanplaces)
separate_arguments(pc_flags UNIX_COMMAND "${last_output}")
separate_arguments(consumer_flags UNIX_COMMAND "${CONSUMER_FLAGS}")
run(${CXX} -std=c++17 ${consumer_flags} ${CONSUMER_DIR}/main.cpp ${pc_flags}
    -o ${WORK_DIR}/consumer-pkgconfig)
run_consumer(${WORK_DIR}/consumer-pkgconfig)

# The installed programs find their libraries in the moved tree on their own.
unset(ENV{LD_LIBRARY_PATH})
run(${prefix}/bin/places-import --help)
message(STATUS "both consumers ok")

# The example application, as a developer builds it from the README, picks through the
# installed picker card: a real click on its button, the card's user scripted.
run(${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${WORK_DIR}/example -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}
    -DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/example)

foreach(variable IN ITEMS HX_CARD_REGISTRY HX_PPS_ROOT HX_MSG_ROOT HX_APP_ASSETS HX_DEFAULT_ASSETS)
    unset(ENV{${variable}})
endforeach()
set(ENV{XDG_DATA_HOME} ${WORK_DIR}/data)
set(ENV{HX_PLACES_DB} ${WORK_DIR}/places.db)
set(ENV{HX_GAZETTEER_DB} ${WORK_DIR}/gazetteer.db)
file(WRITE ${WORK_DIR}/cafes.csv "name,lat,lon,street,city,category\nLumen Coffee,43.4643,-80.5204,1 King St,Waterloo,cafe\n")
run(${prefix}/bin/places-import -o ${WORK_DIR}/gazetteer.db --kind poi ${WORK_DIR}/cafes.csv)
set(ENV{HX_CARD_STEPS} "type SearchField lumen\ntap-nth SearchList 1 ItemTitle")
execute_process(COMMAND ${XVFB_SCRIPT} ${WORK_DIR}/example/pickaplace ${WORK_DIR}/xvfb
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(result EQUAL 77)
    message(STATUS "${out}")
    return()
endif()
if(NOT result EQUAL 0 OR NOT out MATCHES "picked: Lumen Coffee")
    message(FATAL_ERROR "the example application did not pick the cafe (${result}):\n${out}\n${err}")
endif()
message(STATUS "the example application ${out}")
