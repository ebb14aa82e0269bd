# Native-only pieces: the platform stand-ins the tools and tests use on Linux.
set(ORMEL_NATIVE_SOURCES ${ORMEL_ALL_SOURCES})
list(FILTER ORMEL_NATIVE_SOURCES INCLUDE REGEX "_native\\.cpp$")
find_package(pugixml REQUIRED)
if(ORMEL_NATIVE_SOURCES)
  add_library(ormel_native STATIC ${ORMEL_NATIVE_SOURCES})
  target_link_libraries(ormel_native PUBLIC ormel_core pugixml)
else()
  add_library(ormel_native INTERFACE)
  target_link_libraries(ormel_native INTERFACE ormel_core)
endif()

# ormel-skin: the skin authors' command-line tool; each subcommand lives in its own file.
file(GLOB ORMEL_SKIN_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/ormel_skin*.cpp)
add_executable(ormel-skin ${ORMEL_SKIN_TOOL_SOURCES})
target_link_libraries(ormel-skin PRIVATE ormel_native)
set_target_properties(ormel-skin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
