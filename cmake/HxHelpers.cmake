# Build helpers shared by every folder: public headers, libraries, programs and tests.

function(hx_apply_sanitizers)
    if(HX_SANITIZE STREQUAL "address")
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        add_link_options(-fsanitize=address,undefined)
    elseif(HX_SANITIZE STREQUAL "thread")
        add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
        add_link_options(-fsanitize=thread)
    elseif(HX_SANITIZE STREQUAL "fuzzer")
        # Coverage for libFuzzer everywhere, plus ASan and UBSan so a finding is a crash.
        add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        add_link_options(-fsanitize=address,undefined)
    elseif(HX_SANITIZE)
        message(FATAL_ERROR "HX_SANITIZE must be address, thread, fuzzer or empty")
    endif()
endfunction()

# Writes a file only when its content changes, so forwarding headers never force a rebuild.
function(hx_write_if_changed path content)
    if(EXISTS "${path}")
        file(READ "${path}" old)
        if(old STREQUAL content)
            return()
        endif()
    endif()
    file(WRITE "${path}" "${content}")
endfunction()

# hx_public_headers(TARGET t PREFIX hx/platform/places HEADERS a.h b.h [INSTALL a.h])
# Makes <PREFIX/a.h> includable from the build tree (a forwarding header) and installs a.h there;
# with INSTALL only the headers named there are installed, the others stay inside the build.
# Headers ending in _p.h are private: never forwarded, never installed.
function(hx_public_headers)
    cmake_parse_arguments(ARG "" "TARGET;PREFIX" "HEADERS;INSTALL" ${ARGN})
    set(names)
    foreach(header IN LISTS ARG_HEADERS)
        get_filename_component(abs "${header}" ABSOLUTE)
        get_filename_component(name "${header}" NAME)
        if(name MATCHES "_p\\.h$")
            continue()
        endif()
        list(APPEND names ${name})
        hx_write_if_changed("${HX_INCLUDE_DIR}/${ARG_PREFIX}/${name}" "#include \"${abs}\"\n")
        if(NOT ARG_INSTALL OR name IN_LIST ARG_INSTALL)
            hx_install_header("${abs}" ${ARG_PREFIX})
        endif()
    endforeach()
    foreach(name IN LISTS ARG_INSTALL)
        if(NOT name IN_LIST names)
            message(FATAL_ERROR "${name} is to be installed under ${ARG_PREFIX}, but no such header is there")
        endif()
    endforeach()
    target_include_directories(${ARG_TARGET} PUBLIC
        $<BUILD_INTERFACE:${HX_INCLUDE_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
endfunction()

# hx_install_header(path prefix): installs one header under include/PREFIX and notes it for the
# API reference, which reads the headers as they are installed.
function(hx_install_header path prefix)
    install(FILES "${path}" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/${prefix}" COMPONENT development)
    set_property(GLOBAL APPEND PROPERTY HX_INSTALLED_HEADERS "${prefix}|${path}")
endfunction()

# hx_library(NAME hxpps PREFIX hx/pps [DIRECTORY dir] [LIBRARIES ...])
# A shared library from every .cpp of DIRECTORY (default: the current folder), its public
# headers forwarded under PREFIX, exported in the package as HxTrellanPlaces::NAME.
function(hx_library)
    cmake_parse_arguments(ARG "" "NAME;PREFIX;DIRECTORY" "LIBRARIES;SOURCES" ${ARGN})
    if(NOT ARG_DIRECTORY)
        set(ARG_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIRECTORY}/*.cpp ${ARG_DIRECTORY}/*.c)
    file(GLOB headers CONFIGURE_DEPENDS ${ARG_DIRECTORY}/*.h)
    add_library(${ARG_NAME} SHARED ${sources} ${headers} ${ARG_SOURCES})
    add_library(HxTrellanPlaces::${ARG_NAME} ALIAS ${ARG_NAME})
    target_link_libraries(${ARG_NAME} PUBLIC ${ARG_LIBRARIES})
    target_include_directories(${ARG_NAME} PRIVATE ${ARG_DIRECTORY})
    set_target_properties(${ARG_NAME} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION 0
        EXPORT_NAME ${ARG_NAME})
    hx_public_headers(TARGET ${ARG_NAME} PREFIX ${ARG_PREFIX} HEADERS ${headers})
    hx_install_library(${ARG_NAME})
endfunction()

# hx_install_library(NAME): installs a shared library into the package and its pkg-config file
# (written by HxPackage.cmake). The library goes to the runtime component, the link name to the
# development one; it finds the libraries beside it wherever the tree is installed.
function(hx_install_library name)
    set_target_properties(${name} PROPERTIES INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${name} EXPORT HxTrellanPlacesTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
    set_property(GLOBAL APPEND PROPERTY HX_INSTALLED_LIBRARIES ${name})
endfunction()

# hx_program(NAME hxplaces [SOURCES ...] [LIBRARIES ...] [COMPONENT c] [NO_INSTALL]): a program
# built from every .cpp of the current folder, installed into bin with a manual page made from
# its --help. Programs under tools/ go to the tools component, all others (services, card
# applications) to the runtime one.
function(hx_program)
    cmake_parse_arguments(ARG "NO_INSTALL" "NAME;COMPONENT" "LIBRARIES;SOURCES" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_executable(${ARG_NAME} ${sources} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES})
    set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(NOT ARG_NO_INSTALL)
        if(NOT ARG_COMPONENT)
            hx_default_program_component(ARG_COMPONENT)
        endif()
        file(RELATIVE_PATH bin_to_lib /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_LIBDIR})
        set_target_properties(${ARG_NAME} PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_lib}")
        install(TARGETS ${ARG_NAME} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${ARG_COMPONENT})
        set_property(GLOBAL APPEND PROPERTY HX_INSTALLED_PROGRAMS ${ARG_NAME})
        set_property(TARGET ${ARG_NAME} PROPERTY HX_COMPONENT ${ARG_COMPONENT})
    endif()
endfunction()

function(hx_default_program_component out)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    if(folder MATCHES "^tools/")
        set(${out} tools PARENT_SCOPE)
    else()
        set(${out} runtime PARENT_SCOPE)
    endif()
endfunction()

# Adds every subfolder of the current folder that has a CMakeLists.txt, in name order.
function(hx_add_subfolders)
    file(GLOB entries RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
    list(SORT entries)
    foreach(entry IN LISTS entries)
        get_filename_component(dir ${entry} DIRECTORY)
        add_subdirectory(${dir})
    endforeach()
endfunction()

# hx_add_test(NAME tst_foo SOURCES ... [LIBRARIES ...] [TIMEOUT s]): a Qt Test program run by ctest
# headless, linked to the library, every platform library and the shared fixtures.
function(hx_add_test)
    cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    # A sanitized debug build runs the same work several times slower: the limit follows it.
    if(HX_SANITIZE STREQUAL "address")
        math(EXPR ARG_TIMEOUT "${ARG_TIMEOUT} * 3")
    elseif(HX_SANITIZE STREQUAL "thread")
        math(EXPR ARG_TIMEOUT "${ARG_TIMEOUT} * 5")
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE hxtrellanplaces hxtestsupport Qt5::Test ${ARG_LIBRARIES})
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    # Under ThreadSanitizer Qt dispatches events itself: GLib's main loop is not instrumented either.
    set(no_glib "")
    if(HX_SANITIZE STREQUAL "thread")
        set(no_glib "QT_NO_GLIB=1;")
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${no_glib}QT_QPA_PLATFORM=offscreen;HX_SOURCE_DIR=${PROJECT_SOURCE_DIR};HX_BINARY_DIR=${PROJECT_BINARY_DIR};TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp:second_deadlock_stack=1;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
