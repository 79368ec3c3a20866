# Fails when a folder of src/ includes a header of a folder above it. Run by ctest as
# `layers` (cmake -DSRC=<src dir> -P CheckLayers.cmake).
#
# The layers, from the bottom; each may include its own headers and those of the layers below:
#   gdi        the raster layer: nothing of the program
#   platform   windows, forms, desktop services; gdi only
#   core       shared state, canvas bracket, assets, snapshot, palette colours, random generator
#   media      sound effects and music
#   tools      the drawing helpers and the freehand, brush, shape and 3D tools
#   regiontools  box selection, pixel effects, fill styles, text, polygons, stamp placement
#   effects      whole-canvas erasers and sprite animations
#   pictures     the picture store, choosers, printing, clipboard, wallpaper
#   app        the main window, dispatch, tool table, panels, actions: the top
get_filename_component(SRC "${SRC}" ABSOLUTE)
set(_layers gdi platform core media tools regiontools effects pictures app)
set(_level_gdi 0)
set(_level_platform 1)
set(_level_core 2)
set(_level_media 3)
set(_level_tools 4)
set(_level_regiontools 5)
set(_level_effects 6)
set(_level_pictures 7)
set(_level_app 8)

set(_faults "")
foreach(_layer IN LISTS _layers)
  file(GLOB_RECURSE _files "${SRC}/${_layer}/*.h" "${SRC}/${_layer}/*.cpp")
  foreach(_file IN LISTS _files)
    file(STRINGS "${_file}" _includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(_line IN LISTS _includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" _target "${_line}")
      if(NOT DEFINED _level_${_target})
        continue()
      endif()
      if(_level_${_target} GREATER _level_${_layer})
        file(RELATIVE_PATH _rel "${SRC}" "${_file}")
        list(APPEND _faults "${_rel}: ${_layer}/ may not include ${_target}/ (${_line})")
      endif()
    endforeach()
  endforeach()
endforeach()

# Qt belongs to the platform layer alone.
foreach(_layer IN LISTS _layers)
  if(_layer STREQUAL "platform")
    continue()
  endif()
  file(GLOB_RECURSE _files "${SRC}/${_layer}/*.h" "${SRC}/${_layer}/*.cpp")
  foreach(_file IN LISTS _files)
    file(STRINGS "${_file}" _qt REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
    if(_qt)
      file(RELATIVE_PATH _rel "${SRC}" "${_file}")
      list(APPEND _faults "${_rel}: only platform/ may include Qt (${_qt})")
    endif()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "Layer rule broken:\n  ${_text}")
endif()
message(STATUS "Layers hold: ${_layers}")
