ledgora_test(tst_kit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_kit.cpp LIBS ledgora_app)
ledgora_test(tst_pages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_pages.cpp LIBS ledgora_app)
ledgora_test(tst_backgrounds SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_backgrounds.cpp LIBS ledgora_app)
