# Lays out the program folder as it is installed and writes the installer's file lists.
#   cmake -DDIST=<dist folder> -DWORK=<work folder> -DFOLDER=<folder name> -P stage.cmake
# WORK/FOLDER gets the exe, the skin tool, about.html, the skin authors' page with its example
# skin, face\ and the two sounds; WORK/install_files.nsh
# installs exactly those files and WORK/uninstall_files.nsh removes exactly those, so that
# the uninstaller leaves what the user added (a skin of their own under face\, say).
set(stage ${WORK}/${FOLDER})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
foreach(item OrmelClock.exe ormel-skin.exe about.html skin-format.html example-skin face sound/chime.mp3
    sound/beep.mp3)
  if(NOT EXISTS ${DIST}/${item})
    message(FATAL_ERROR "${DIST}/${item} is missing: build the program first")
  endif()
  get_filename_component(into ${stage}/${item} DIRECTORY)
  file(COPY ${DIST}/${item} DESTINATION ${into})
endforeach()

file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(install "")
set(uninstall "")
set(folders "")
set(current_folder "-")
foreach(file ${files})
  get_filename_component(folder ${file} DIRECTORY)
  if(NOT folder STREQUAL current_folder)
    string(REPLACE "/" "\\" win_folder "${folder}")
    if(folder STREQUAL "")
      string(APPEND install "SetOutPath \"$INSTDIR\"\n")
    else()
      string(APPEND install "SetOutPath \"$INSTDIR\\${win_folder}\"\n")
      list(APPEND folders ${folder})
    endif()
    set(current_folder "${folder}")
  endif()
  string(REPLACE "/" "\\" win_file "${file}")
  string(APPEND install "File \"${FOLDER}/${file}\"\n")
  string(APPEND uninstall "Delete \"$INSTDIR\\${win_file}\"\n")
endforeach()

# Parents after their children: face\royale before face.
foreach(folder ${folders})
  get_filename_component(parent ${folder} DIRECTORY)
  while(NOT parent STREQUAL "")
    list(APPEND folders ${parent})
    get_filename_component(parent ${parent} DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder ${folders})
  string(REPLACE "/" "\\" win_folder "${folder}")
  string(APPEND uninstall "RMDir \"$INSTDIR\\${win_folder}\"\n")
endforeach()

file(WRITE ${WORK}/install_files.nsh "${install}")
file(WRITE ${WORK}/uninstall_files.nsh "${uninstall}")
