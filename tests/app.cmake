ledgora_test(tst_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_startup.cpp LIBS ledgora_app)
target_compile_definitions(tst_startup PRIVATE LEDGORA_BINARY="$<TARGET_FILE:ledgora>")
ledgora_test(tst_mainwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mainwindow.cpp LIBS ledgora_app)
ledgora_test(tst_errors SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_errors.cpp LIBS ledgora_app)
