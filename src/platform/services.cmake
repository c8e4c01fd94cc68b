# The real Windows-service stand-ins: settings file, paths of this run,
# program start, shell open, single instance.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    paths.cpp
    file_settings.cpp
    posix_program_runner.cpp
    desktop_shell_opener.cpp
    single_instance.cpp
    system_restarter.cpp
  )
endif()
