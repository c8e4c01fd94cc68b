mqt_add_gtest(test_region_from_bitmap SOURCES region_from_bitmap_test.cpp LIBS mqt_core)
mqt_add_qtest(test_first SOURCES first_test.cpp LIBS mqt_ui)
