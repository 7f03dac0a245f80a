# What an application builds against: the CMake package HxTrellanPlaces and one pkg-config file
# per library; then the manual pages and the Debian packages.
include(CMakePackageConfigHelpers)

set(HX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/HxTrellanPlaces)
install(EXPORT HxTrellanPlacesTargets NAMESPACE HxTrellanPlaces:: DESTINATION ${HX_CMAKE_DIR}
    COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/HxTrellanPlacesConfig.cmake.in
    ${PROJECT_BINARY_DIR}/HxTrellanPlacesConfig.cmake INSTALL_DESTINATION ${HX_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/HxTrellanPlacesConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
# The build tree is a package too (HxTrellanPlaces_DIR=build), for the examples.
export(EXPORT HxTrellanPlacesTargets NAMESPACE HxTrellanPlaces::
    FILE ${PROJECT_BINARY_DIR}/HxTrellanPlacesTargets.cmake)
install(FILES ${PROJECT_BINARY_DIR}/HxTrellanPlacesConfig.cmake
    ${PROJECT_BINARY_DIR}/HxTrellanPlacesConfigVersion.cmake DESTINATION ${HX_CMAKE_DIR}
    COMPONENT development)

include(${PROJECT_SOURCE_DIR}/cmake/HxPkgConfig.cmake)
get_property(hx_installed_libraries GLOBAL PROPERTY HX_INSTALLED_LIBRARIES)
foreach(library IN LISTS hx_installed_libraries)
    hx_pkg_config_file(${library})
endforeach()

hx_man_pages()
include(${PROJECT_SOURCE_DIR}/cmake/HxDebianPackages.cmake)
