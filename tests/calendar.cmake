ledgora_test(tst_calendar SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_calendar.cpp LIBS ledgora_app)
