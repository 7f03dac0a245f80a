# The CMake package HxTrellanPlaces and the pkg-config file.
include(CMakePackageConfigHelpers)

set(HX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/HxTrellanPlaces)
install(EXPORT HxTrellanPlacesTargets NAMESPACE HxTrellanPlaces:: DESTINATION ${HX_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/HxTrellanPlacesConfig.cmake.in
    ${PROJECT_BINARY_DIR}/HxTrellanPlacesConfig.cmake INSTALL_DESTINATION ${HX_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/HxTrellanPlacesConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/HxTrellanPlacesConfig.cmake
    ${PROJECT_BINARY_DIR}/HxTrellanPlacesConfigVersion.cmake DESTINATION ${HX_CMAKE_DIR})

configure_file(${PROJECT_SOURCE_DIR}/cmake/hxtrellanplaces.pc.in ${PROJECT_BINARY_DIR}/hxtrellanplaces.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/hxtrellanplaces.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
