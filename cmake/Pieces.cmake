# A subsystem folder is split into pieces, each listing its own files in a
# <piece>.cmake beside the folder's CMakeLists.txt; the folder includes them all.
macro(mqt_include_pieces)
  file(GLOB _mqt_pieces CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cmake)
  list(SORT _mqt_pieces)
  foreach(_mqt_piece ${_mqt_pieces})
    include(${_mqt_piece})
  endforeach()
endmacro()
