mqt_add_qtest(test_res_pictures SOURCES res_pictures_test.cpp LIBS mqt_core Qt6::Gui)
add_dependencies(test_res_pictures mqt_res_pictures)
