# Language file, active language and the settings table: plain C++ for mqt_core.
target_sources(mqt_core PRIVATE
  language_file.cpp
  active_language.cpp
  settings_table.cpp
)
