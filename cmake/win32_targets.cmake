# The Windows program: the system libraries under the layers, resources and OrmelClock.exe.
# winmm is loaded when the first sound plays (ui/mci_device_win32.cpp), Winsock when the
# network layer starts: neither is linked.
target_link_libraries(ormel_base PUBLIC
  gdi32 msimg32 ole32 oleaut32 uuid comctl32 shell32 advapi32 user32 kernel32)
target_compile_definitions(ormel_base PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0600)

set(ORMEL_STATIC_LINK -static -static-libgcc -static-libstdc++)
# The programs need Windows Vista or later (UpdateLayeredWindowIndirect; the runtime's
# GetTickCount64): the header says so, and an older Windows refuses them in its own words.
set(ORMEL_WINDOWS_FLOOR -Wl,--major-os-version,6,--minor-os-version,0,--major-subsystem-version,6,--minor-subsystem-version,0)

# Sections that start on a page of the file can be mapped from it: with the linker's usual
# 512-byte file alignment Wine reads the whole image into private memory instead.
set(ORMEL_MAPPED_IMAGE -Wl,--file-alignment,4096,--section-alignment,4096)

# A program we ship is linked into unstripped/ (for the debugger) and copied stripped into dist.
function(ormel_shipped_program target)
  target_link_options(${target} PRIVATE ${ORMEL_STATIC_LINK} ${ORMEL_WINDOWS_FLOOR} ${ORMEL_MAPPED_IMAGE})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/unstripped)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_STRIP} --strip-all -o ${ORMEL_DIST}/$<TARGET_FILE_NAME:${target}> $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

# The programs' own sources call Windows with UTF-16 text only: without a suffix a call is the
# "W" one, and the test windows.wide_calls_only fails on an "A" one.
function(ormel_wide_calls)
  foreach(target ${ARGN})
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE)
  endforeach()
endfunction()
ormel_wide_calls(ormel_base ormel_time ormel_image ormel_skin ormel_ui ormel_app ormel_skin_check)

add_executable(OrmelClock WIN32 src/app/main_win32.cpp res/ormel.rc)
target_link_libraries(OrmelClock PRIVATE ormel_app)
ormel_shipped_program(OrmelClock)
target_link_options(OrmelClock PRIVATE -municode)
ormel_wide_calls(OrmelClock)

# Each exe carries a version resource made from the project version.
function(ormel_version_resource target description)
  set(ORMEL_FILE_NAME ${target})
  set(ORMEL_FILE_DESCRIPTION ${description})
  set(rc ${CMAKE_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/res/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
ormel_version_resource(OrmelClock "Ormel Clock")

# The install folder is laid out as on Windows: the exe with face\ and sound\ beside it.
# Of sounds/ only the sounds themselves: their recipe stays in the sources. The skin authors'
# page and its example skin lie beside the exe too, the example outside face\ so that it is
# no skin of the menu until an author copies it there.
file(GLOB ORMEL_SOUND_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sounds/*.mp3)
set(ORMEL_DATA_COMMANDS COMMAND ${CMAKE_COMMAND} -E make_directory ${ORMEL_DIST}/face ${ORMEL_DIST}/sound
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/skins ${ORMEL_DIST}/face
  COMMAND ${CMAKE_COMMAND} -E copy ${ORMEL_SOUND_FILES} ${ORMEL_DIST}/sound
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/example-skin ${ORMEL_DIST}/example-skin)
configure_file(${CMAKE_SOURCE_DIR}/res/about.html ${ORMEL_DIST}/about.html @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/docs/skin-format.html ${ORMEL_DIST}/skin-format.html COPYONLY)
add_custom_target(ormel_data ALL ${ORMEL_DATA_COMMANDS} VERBATIM)
add_dependencies(OrmelClock ormel_data)

# ormel-skin.exe: the skin authors' tool, installed beside the clock; on Windows it reads
# skins through MSXML and GDI just as the clock does.
file(GLOB ORMEL_SKIN_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/ormel_skin*.cpp)
add_executable(ormel-skin ${ORMEL_SKIN_TOOL_SOURCES} res/ormel-skin.rc)
target_link_libraries(ormel-skin PRIVATE ormel_skin_check)
ormel_shipped_program(ormel-skin)
ormel_wide_calls(ormel-skin)
set(ORMEL_SKIN_TOOL ${ORMEL_DIST}/ormel-skin.exe)
ormel_version_resource(ormel-skin "Ormel Clock skin tool")

include(cmake/package.cmake)

# The soak's helper (bench/soak.sh): counts a process's GDI, USER and kernel objects.
add_executable(process_objects bench/process_objects_win32.cpp)
target_link_libraries(process_objects PRIVATE user32 ntdll)
target_link_options(process_objects PRIVATE ${ORMEL_STATIC_LINK})
set_target_properties(process_objects PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# bench/idle_cost.sh's floor: the least an idle clock of this design asks of the platform.
# Linked as the shipped programs are (mapped image, stripped), so that its image costs what theirs does.
add_executable(plain_floor WIN32 bench/plain_floor_win32.cpp)
target_link_libraries(plain_floor PRIVATE ormel_skin)
target_link_options(plain_floor PRIVATE ${ORMEL_STATIC_LINK} ${ORMEL_MAPPED_IMAGE} -s)
set_target_properties(plain_floor PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
