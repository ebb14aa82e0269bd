# The set-up program and the portable zip of the program folder, made by every Windows build:
# package/OrmelClock-<version>-setup.exe and package/OrmelClock-<version>.zip.
find_program(ORMEL_MAKENSIS makensis REQUIRED)
find_program(ORMEL_ZIP zip REQUIRED)

set(ORMEL_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package CACHE PATH "Where the set-up program and the zip go")
set(ORMEL_SETUP ${ORMEL_PACKAGE_DIR}/OrmelClock-${PROJECT_VERSION}-setup.exe)
set(ORMEL_ZIP_FILE ${ORMEL_PACKAGE_DIR}/OrmelClock-${PROJECT_VERSION}.zip)
set(work ${CMAKE_BINARY_DIR}/package_work)
set(folder "Ormel Clock")
if(ORMEL_MINGW_ARCH STREQUAL "x86_64")
  set(stub amd64-unicode)
else()
  set(stub x86-unicode)
endif()

file(MAKE_DIRECTORY ${work} ${ORMEL_PACKAGE_DIR})
file(GLOB_RECURSE package_inputs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skins/* ${CMAKE_SOURCE_DIR}/sounds/*.mp3
  ${CMAKE_SOURCE_DIR}/docs/example-skin/*)
add_custom_command(OUTPUT ${ORMEL_SETUP} ${ORMEL_ZIP_FILE}
  COMMAND ${CMAKE_COMMAND} -DDIST=${ORMEL_DIST} -DWORK=${work} -DFOLDER=${folder}
    -P ${CMAKE_SOURCE_DIR}/packaging/stage.cmake
  COMMAND ${ORMEL_MAKENSIS} -V2 -NOCD -DVERSION=${PROJECT_VERSION} -DTARGET=${stub}
    -DOUTFILE=${ORMEL_SETUP} -DICON=${CMAKE_SOURCE_DIR}/res/ormel.ico
    ${CMAKE_SOURCE_DIR}/packaging/installer.nsi
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ORMEL_ZIP_FILE}
  COMMAND ${ORMEL_ZIP} -q -r -X ${ORMEL_ZIP_FILE} ${folder}
  WORKING_DIRECTORY ${work}
  DEPENDS OrmelClock ormel-skin ${ORMEL_DIST}/about.html ${ORMEL_DIST}/skin-format.html ${package_inputs}
    ${CMAKE_SOURCE_DIR}/packaging/installer.nsi ${CMAKE_SOURCE_DIR}/packaging/stage.cmake
    ${CMAKE_SOURCE_DIR}/res/ormel.ico
  COMMENT "Packaging Ormel Clock ${PROJECT_VERSION}"
  VERBATIM)
add_custom_target(ormel_package ALL DEPENDS ${ORMEL_SETUP} ${ORMEL_ZIP_FILE})
add_dependencies(ormel_package ormel_data)
