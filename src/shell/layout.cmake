# Main window captions and layout by language (tables, no Qt).
target_sources(mqt_core PRIVATE Languageunit.cpp)
