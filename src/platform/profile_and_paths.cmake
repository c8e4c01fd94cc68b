# Private-profile (INI) reading, ExpandPath and Windows paths: plain C++ for mqt_core.
target_sources(mqt_core PRIVATE
  private_profile.cpp
  expand_path.cpp
  host_path.cpp
  command_line.cpp
)
