ledgora_test(tst_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dialogs.cpp LIBS ledgora_app)
