# Native stand-ins of the platform: skin.xml through pugixml, the skin's fonts through FreeType.
find_package(pugixml REQUIRED)
target_link_libraries(ormel_skin PUBLIC pugixml)
find_package(Freetype REQUIRED)
target_link_libraries(ormel_image PUBLIC Freetype::Freetype)

# ormel-skin: the skin authors' command-line tool; each subcommand lives in its own file.
file(GLOB ORMEL_SKIN_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/ormel_skin*.cpp)
add_executable(ormel-skin ${ORMEL_SKIN_TOOL_SOURCES})
target_link_libraries(ormel-skin PRIVATE ormel_skin_check)
set_target_properties(ormel-skin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
