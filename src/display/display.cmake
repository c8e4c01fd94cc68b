target_sources(mqt_core PRIVATE
  wave_range.cpp
  wave_plot.cpp
  zoomed_wave.cpp
  zoom.cpp
  wave_view.cpp
)
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE
    qimage_canvas.cpp
    zoom_cursors.cpp
    image_saving.cpp
    zoom_scroll_bar.cpp
  )
  # The program's own cursor resources ":/cursors/ZOOMINCURSOR" and
  # ":/cursors/ZOOMOUTCURSOR". The target form links them into every
  # executable that uses mqt_ui, static library or not.
  set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/cursors/zoom_in.xpm
    PROPERTIES QT_RESOURCE_ALIAS ZOOMINCURSOR)
  set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/cursors/zoom_out.xpm
    PROPERTIES QT_RESOURCE_ALIAS ZOOMOUTCURSOR)
  qt_add_resources(mqt_ui display_zoom_cursors
    PREFIX /cursors
    FILES
      ${CMAKE_CURRENT_SOURCE_DIR}/cursors/zoom_in.xpm
      ${CMAKE_CURRENT_SOURCE_DIR}/cursors/zoom_out.xpm)
endif()
