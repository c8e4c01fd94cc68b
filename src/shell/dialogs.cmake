# About box, driver warning and zoom hint.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE AboutUnit.h AboutUnit.cpp AlarmUnit.h AlarmUnit.cpp EnlargeUnit.h
                                EnlargeUnit.cpp switch_off_setting.cpp)
endif()
