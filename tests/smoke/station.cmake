# The station itself under a virtual X display.
add_test(NAME station_smoke
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/station_smoke.sh $<TARGET_FILE:mouse-quality-test>)
set_tests_properties(station_smoke PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
