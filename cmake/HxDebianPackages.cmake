# `make package`: Debian packages of the installed tree, one per install component.
#   runtime      libhxtrellanplaces0      libraries, services, card applications
#   development  libhxtrellanplaces-dev   headers, link names, CMake package, pkg-config files
#   tools        hxtrellanplaces-tools    hxplaces and places-import
# Translations are compiled into the library. The default gazetteer has no install rule: it is
# built by `make data` or brought by the user.
set(HX_PACKAGE_MAINTAINER "libhxtrellanplaces developers <devel@hxtrellanplaces.invalid>"
    CACHE STRING "Maintainer written into the Debian packages")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hxtrellanplaces)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${HX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL runtime development tools)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)

# Dependencies on system libraries come from dpkg-shlibdeps. Our own libraries are found in
# the build tree; the packages' dependencies on each other are the component ones above.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS)
foreach(library IN LISTS hx_installed_libraries)
    get_target_property(folder ${library} LIBRARY_OUTPUT_DIRECTORY)
    if(NOT folder)
        get_target_property(folder ${library} BINARY_DIR)
    endif()
    list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${folder})
endforeach()
list(REMOVE_DUPLICATES CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libhxtrellanplaces0)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# Static map images and screen pictures draw their texts in this font.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS fonts-dejavu-core)
# Descriptions: a summary line, then paragraphs whose lines CPack indents for the control file.
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "places for touch-screen phone applications
libhxtrellanplaces gives phone applications a place picker, search lists, place
cards, the current location and geocoding. This package holds the library, the
simulated phone platform it runs on, and its location and reverse-geocoding
services. The default gazetteer is not included: build it from the source tree
with make data, or make one with places-import, and point HX_GAZETTEER_DB at it.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libhxtrellanplaces-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "qtbase5-dev (>= 5.15), qtdeclarative5-dev (>= 5.15), qtscript5-dev (>= 5.15)")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "places for touch-screen phone applications (development files)
Headers, link names, the CMake package HxTrellanPlaces and the pkg-config files
of libhxtrellanplaces and of each library of its simulated phone platform.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME hxtrellanplaces-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "places for touch-screen phone applications (tools)
hxplaces, the place picker and scripted place commands in a terminal, and
places-import, which loads points of interest and addresses into a gazetteer.")

include(CPack)
