#Real mice : udev's description of the input event nodes made into device list entries.
target_sources(mqt_core PRIVATE real_mice.cpp)
