# MQT_PRINT_SCORE: the score the station shows, echoed for scripts (./run).
target_sources(mouse-quality-test PRIVATE score_echo.cpp)
