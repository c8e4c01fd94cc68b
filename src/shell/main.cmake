# The main window: construction, commands, hidden functions and test control.
target_sources(mqt_core PRIVATE whole_number.cpp)
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE
    MainUnit.cpp
    MainUnit_commands.cpp
    MainUnit_hidden.cpp
    MainUnit_test.cpp
    dialog_prompter.cpp
    dialog_window_proc.cpp
    form_controls.cpp
    main_placement_sink.cpp
    station_start.cpp
  )
endif()
