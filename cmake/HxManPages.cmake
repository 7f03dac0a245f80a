# A manual page for every installed program, made from its --help by help2man and installed
# with the program. Sanitized builds make none: their programs may report leaks at exit.
find_program(HX_HELP2MAN help2man)
find_program(HX_GZIP gzip)
set(hx_man_default OFF)
if(HX_HELP2MAN AND HX_GZIP AND NOT HX_SANITIZE)
    set(hx_man_default ON)
endif()
option(HX_MAN_PAGES "Make manual pages of the programs from their --help (needs help2man)" ${hx_man_default})
if(HX_MAN_PAGES AND (NOT HX_HELP2MAN OR NOT HX_GZIP))
    message(FATAL_ERROR "HX_MAN_PAGES needs help2man and gzip (scripts/setup installs them)")
endif()

# Called once every program is defined.
function(hx_man_pages)
    if(NOT HX_MAN_PAGES)
        return()
    endif()
    get_property(programs GLOBAL PROPERTY HX_INSTALLED_PROGRAMS)
    set(pages)
    foreach(program IN LISTS programs)
        set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
        add_custom_command(OUTPUT ${page}
            COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DOUTPUT=${page}
                -DVERSION=${PROJECT_VERSION} -DHELP2MAN=${HX_HELP2MAN} -DGZIP=${HX_GZIP}
                -P ${PROJECT_SOURCE_DIR}/cmake/HxManPage.cmake
            DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/HxManPage.cmake
            COMMENT "Writing the manual page of ${program}"
            VERBATIM)
        list(APPEND pages ${page})
        get_target_property(component ${program} HX_COMPONENT)
        install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
    endforeach()
    add_custom_target(man_pages ALL DEPENDS ${pages})
endfunction()
