# Main window captions and layout by language: the tables (no Qt) and their
# application to the window's named controls.
target_sources(mqt_core PRIVATE Languageunit.cpp)
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE caption_plan.h caption_plan.cpp)
endif()
