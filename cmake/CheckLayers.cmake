# Fails when a source file includes a header of a folder on its own level or
# above it: every folder may use only the folders below it, so the modules
# never form a cycle. Run as a test: cmake -DROOT=<source dir> -P CheckLayers.cmake
#
# Levels, lowest first. A folder not listed takes the level of its nearest
# listed parent (seed/datos is seed).
set(levels
  platform/vb 0
  platform/os 1  platform/settings 1  platform/compresor 1
  platform/ui 2
  platform/db 3
  platform/locks 4
  platform/widgets 5
  platform/pvapi 6
  platform/addins 7  platform/report 7
  core 10
  schema 11  navigation 11
  seed 12  dialogs 12  agenda 12  addins/comun 12
  schema/upgrade 13  printing 13  import 13  addins 13
  startup 14  reports 14  mantenimiento 14
  actions 15
  recordlist 16
  mainwindow 17
  app 18  tools 18)

list(LENGTH levels n)
math(EXPR last "${n} - 1")
set(names)
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET levels ${i} name)
  list(GET levels ${j} value)
  set(level_${name} ${value})
  list(APPEND names ${name})
endforeach()

# The listed folder a path belongs to: the longest listed prefix.
function(folder_of path out)
  set(best "")
  foreach(name ${names})
    string(FIND "${path}/" "${name}/" at)
    if(at EQUAL 0)
      string(LENGTH "${name}" len)
      string(LENGTH "${best}" blen)
      if(len GREATER blen)
        set(best ${name})
      endif()
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/addins/*.h ${ROOT}/addins/*.cpp
  ${ROOT}/tools/*.h ${ROOT}/tools/*.cpp)
set(faults 0)
foreach(source ${sources})
  # Folders are named as includes name them: src/ is the include root,
  # addins/ and tools/ keep their own name.
  get_filename_component(dir ${source} DIRECTORY)
  string(REGEX REPLACE "^src/" "" dir "${dir}")
  folder_of("${dir}" own)
  if(own STREQUAL "")
    continue()
  endif()
  file(STRINGS ${ROOT}/${source} lines REGEX "^#include \"")
  foreach(line ${lines})
    string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
    get_filename_component(hdir "${header}" DIRECTORY)
    if(hdir STREQUAL "")
      continue()
    endif()
    folder_of("${hdir}" used)
    if(used STREQUAL "" OR used STREQUAL own)
      continue()
    endif()
    # A plug-in's own headers ("NvBancos/...") are its own folder.
    if(own STREQUAL "addins" AND NOT used MATCHES "/")
      if(EXISTS ${ROOT}/addins/${header})
        continue()
      endif()
    endif()
    if(NOT level_${used} LESS level_${own})
      message(SEND_ERROR "${source}: includes ${header} (${used}), which is not below ${own}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layer order (cmake/CheckLayers.cmake)")
endif()
message(STATUS "Layer order kept in ${ROOT}")
