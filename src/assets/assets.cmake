# The embedded resource tree (root "hx.trellan.places") and the generated country table.
# Images are painted from the icon font after the generator's image table, and the table is built
# from the iso-codes data, by hxplaces-assetgen.
set(assets_source_dir ${CMAKE_CURRENT_SOURCE_DIR}/assets)
set(assets_build_dir ${CMAKE_CURRENT_BINARY_DIR}/assets)
add_subdirectory(${assets_source_dir}/generator ${CMAKE_CURRENT_BINARY_DIR}/assetgen)

find_file(HX_ISO_3166_1_JSON iso_3166-1.json PATHS /usr/share/iso-codes/json NO_DEFAULT_PATH REQUIRED)
find_file(HX_ISO_3166_3_JSON iso_3166-3.json PATHS /usr/share/iso-codes/json NO_DEFAULT_PATH REQUIRED)
find_file(HX_ICON_FONT MaterialIcons-Regular.ttf PATHS /usr/share/fonts/truetype/material-design-icons-iconfont
    NO_DEFAULT_PATH REQUIRED)
find_file(HX_ICON_CODEPOINTS _variables.scss PATHS /usr/share/fonts-material-design-icons-iconfont/scss
    NO_DEFAULT_PATH REQUIRED)
set(assetgen_font ${HX_ICON_FONT} ${HX_ICON_CODEPOINTS})

# The generator may be built with sanitizers; leaks at its exit must not fail the build.
set(assetgen_run ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:hxplaces-assetgen>)

add_custom_command(OUTPUT ${assets_build_dir}/countrycodetable.cpp
    COMMAND ${assetgen_run} countries ${assets_source_dir}/generator/countrycodes.txt
        ${assets_source_dir}/generator/countrynames.txt ${HX_ISO_3166_1_JSON} ${HX_ISO_3166_3_JSON}
        ${assets_build_dir}/countrycodetable.cpp
    DEPENDS hxplaces-assetgen ${assets_source_dir}/generator/countrycodes.txt
        ${assets_source_dir}/generator/countrynames.txt ${HX_ISO_3166_1_JSON} ${HX_ISO_3166_3_JSON}
    COMMENT "Generating the country code table" VERBATIM)

set(asset_images
    places_images/ic_my_places.png places_images/ic_my_places_pressed.png
    places_images/ic_add_as_place.png places_images/ic_add_contact.png places_images/ic_map.png
    places_images/cc_down.png places_images/cc_up.png places_images/cc_more.png
    places_images/cs_nc_no_map.png places_images/ic_opentable_sml.png places_images/CornerFavorite.png
    places_images/1440x1440/ic_add_as_place.png places_images/1440x1440/ic_add_contact.png
    places_images/1440x1440/cs_nc_no_map.png places_images/1440x1440/ic_opentable_sml.png
    places_images/12ppd/ic_map.png)
set(asset_image_files)
foreach(image IN LISTS asset_images)
    list(APPEND asset_image_files ${assets_build_dir}/tree/${image})
endforeach()
add_custom_command(OUTPUT ${asset_image_files}
    COMMAND ${assetgen_run} images ${assets_build_dir}/tree ${assetgen_font}
    DEPENDS hxplaces-assetgen ${assetgen_font}
    COMMENT "Painting the library's images" VERBATIM)

# The images the library asks the application for: a default set, laid out in the build tree as
# an install has it, that programs use where their own assets lack a file.
set(default_assets_dir ${CMAKE_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/hxtrellanplaces/assets)
add_custom_command(OUTPUT ${default_assets_dir}/places_images.stamp
    COMMAND ${assetgen_run} application-images ${default_assets_dir} ${assetgen_font}
    COMMAND ${CMAKE_COMMAND} -E touch ${default_assets_dir}/places_images.stamp
    DEPENDS hxplaces-assetgen ${assetgen_font}
    COMMENT "Painting the default application images" VERBATIM)
add_custom_target(hxtrellanplaces-default-assets ALL DEPENDS ${default_assets_dir}/places_images.stamp)
install(DIRECTORY ${default_assets_dir}/places_images DESTINATION ${CMAKE_INSTALL_DATADIR}/hxtrellanplaces/assets
    COMPONENT runtime)

# Property documents are kept as QML sources under assets/ (base and device folders).
file(GLOB_RECURSE asset_documents CONFIGURE_DEPENDS RELATIVE ${assets_source_dir} ${assets_source_dir}/*.qml)
set(qrc "<RCC>\n  <qresource prefix=\"/hx.trellan.places\">\n")
foreach(document IN LISTS asset_documents)
    string(APPEND qrc "    <file alias=\"${document}\">${assets_source_dir}/${document}</file>\n")
endforeach()
foreach(image IN LISTS asset_images)
    string(APPEND qrc "    <file alias=\"${image}\">${assets_build_dir}/tree/${image}</file>\n")
endforeach()
string(APPEND qrc "  </qresource>\n</RCC>\n")
hx_write_if_changed(${assets_build_dir}/hxtrellanplaces_assets.qrc "${qrc}")

list(TRANSFORM asset_documents PREPEND ${assets_source_dir}/ OUTPUT_VARIABLE asset_document_files)
add_custom_command(OUTPUT ${assets_build_dir}/qrc_hxtrellanplaces_assets.cpp
    COMMAND Qt5::rcc --name hxtrellanplaces_assets -o ${assets_build_dir}/qrc_hxtrellanplaces_assets.cpp
        ${assets_build_dir}/hxtrellanplaces_assets.qrc
    DEPENDS ${assets_build_dir}/hxtrellanplaces_assets.qrc ${asset_image_files} ${asset_document_files}
    COMMENT "Embedding the library's resource tree" VERBATIM)

set_source_files_properties(${assets_build_dir}/countrycodetable.cpp
    ${assets_build_dir}/qrc_hxtrellanplaces_assets.cpp PROPERTIES GENERATED ON SKIP_AUTOGEN ON)
target_sources(hxtrellanplaces PRIVATE ${assets_build_dir}/countrycodetable.cpp
    ${assets_build_dir}/qrc_hxtrellanplaces_assets.cpp)
target_include_directories(hxtrellanplaces PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/utils)
