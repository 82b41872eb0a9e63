ledgora_test(tst_scale SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_scale.cpp LIBS ledgora_app)
