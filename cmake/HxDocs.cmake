# The API reference: Doxygen reads the headers as an application sees them, copied to
# build/docs/include under their installed paths, and writes build/docs/html. Their plain
# comments are the documentation: a filter hands them to Doxygen as documentation comments.
find_program(HX_DOXYGEN doxygen)
set(HX_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)

get_property(installed_headers GLOBAL PROPERTY HX_INSTALLED_HEADERS)
set(copy_script "file(REMOVE_RECURSE \"${HX_DOCS_DIR}/include\")\n")
foreach(entry IN LISTS installed_headers)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 prefix)
    list(GET parts 1 path)
    string(APPEND copy_script "file(COPY \"${path}\" DESTINATION \"${HX_DOCS_DIR}/include/${prefix}\")\n")
endforeach()
hx_write_if_changed(${HX_DOCS_DIR}/copyheaders.cmake "${copy_script}")
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${HX_DOCS_DIR}/Doxyfile @ONLY)

if(HX_DOXYGEN)
    add_custom_target(docs
        COMMAND ${CMAKE_COMMAND} -P ${HX_DOCS_DIR}/copyheaders.cmake
        COMMAND ${HX_DOXYGEN} ${HX_DOCS_DIR}/Doxyfile
        COMMAND ${CMAKE_COMMAND} -E echo "API reference: ${HX_DOCS_DIR}/html/index.html"
        WORKING_DIRECTORY ${HX_DOCS_DIR}
        COMMENT "Writing the API reference"
        VERBATIM)
else()
    add_custom_target(docs
        COMMAND ${CMAKE_COMMAND} -E echo "doxygen is not installed: run scripts/setup"
        COMMAND ${CMAKE_COMMAND} -E false
        VERBATIM)
endif()
