# What a screen reader finds in the main window: names, descriptions, states, announcements.
ledgora_test(tst_accessibility SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_accessibility.cpp LIBS ledgora_app)
