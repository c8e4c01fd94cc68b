# Splash window: the outline from the picture (no Qt) and the window itself.
target_sources(mqt_core PRIVATE Xwindowshape.cpp)
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE First.h First.cpp form_context.cpp picture_file.cpp)
endif()
