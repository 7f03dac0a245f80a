# pkg-config files that hold no absolute path: each finds its prefix from its own folder
# (${pcfiledir}), so a tree installed, packaged or moved anywhere answers its own paths.

set(HX_PC_DESCRIPTION_hxtrellanplaces
    "Places for touch-screen phone applications: picker, details card, location, geocoding")
set(HX_PC_DESCRIPTION_hxpps
    "Publish/subscribe objects of the simulated phone: encoder, decoder, object files, server objects")
set(HX_PC_DESCRIPTION_hxmsgclient "Message server client of the simulated phone")
set(HX_PC_DESCRIPTION_hxphone "Phone-number display formatting of the simulated phone")
set(HX_PC_DESCRIPTION_hxplatformplaces "Place store of the simulated phone on SQLite, with its gazetteer")
set(HX_PC_DESCRIPTION_hxsystem
    "System services of the simulated phone: dialogs, toasts, invocations, cards, locale, contacts")
set(HX_PC_DESCRIPTION_hxtrellan "Headless UI toolkit of the simulated phone, with static map images")

# Sets out to a path relative to the pkg-config folder when dir is relative to the prefix.
function(hx_pc_dir out dir)
    if(IS_ABSOLUTE "${dir}")
        set(${out} "${dir}" PARENT_SCOPE)
    else()
        set(${out} "\${prefix}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

function(hx_pc_prefix out)
    if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
        set(${out} "${CMAKE_INSTALL_PREFIX}" PARENT_SCOPE)
        return()
    endif()
    file(RELATIVE_PATH up /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
    string(REGEX REPLACE "/$" "" up "${up}")
    set(${out} "\${pcfiledir}/${up}" PARENT_SCOPE)
endfunction()

# The public dependencies of a library as pkg-config modules (Requires) and plain flags (Libs).
function(hx_pc_dependencies library out_requires out_libs)
    get_target_property(dependencies ${library} INTERFACE_LINK_LIBRARIES)
    get_property(hx_libraries GLOBAL PROPERTY HX_INSTALLED_LIBRARIES)
    set(requires)
    set(libs)
    foreach(dependency IN LISTS dependencies)
        string(REGEX REPLACE "^HxTrellanPlaces::" "" own_name "${dependency}")
        if(dependency MATCHES "^Qt5::(.+)$")
            list(APPEND requires "Qt5${CMAKE_MATCH_1} >= 5.15")
        elseif(own_name IN_LIST hx_libraries)
            list(APPEND requires "${own_name} = ${PROJECT_VERSION}")
        elseif(dependency STREQUAL "Threads::Threads")
            string(APPEND libs " -pthread")
        elseif(dependency MATCHES "^-l")
            string(APPEND libs " ${dependency}")
        elseif(dependency)
            message(WARNING "${library}.pc: no pkg-config module for the public dependency ${dependency}")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES requires)
    list(JOIN requires ", " requires)
    set(${out_requires} "${requires}" PARENT_SCOPE)
    set(${out_libs} "${libs}" PARENT_SCOPE)
endfunction()

function(hx_pkg_config_file library)
    set(HX_PC_NAME ${library})
    set(HX_PC_DESCRIPTION "${HX_PC_DESCRIPTION_${library}}")
    if(NOT HX_PC_DESCRIPTION)
        set(HX_PC_DESCRIPTION "Part of the simulated phone platform of libhxtrellanplaces")
    endif()
    hx_pc_prefix(HX_PC_PREFIX)
    hx_pc_dir(HX_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
    hx_pc_dir(HX_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
    hx_pc_dependencies(${library} HX_PC_REQUIRES HX_PC_LIBS)
    # Qt is built with reduced relocations: code that includes its headers must be
    # position-independent, which CMake users get from Qt's targets and pkg-config users here.
    set(HX_PC_CFLAGS " -fPIC")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/hxlibrary.pc.in ${PROJECT_BINARY_DIR}/pkgconfig/${library}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${library}.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
endfunction()
