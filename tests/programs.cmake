# The programs the toolbar starts: desktop entries, the desktop's default editor, PATH.
ledgora_test(tst_programs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_programs.cpp LIBS ledgora_platform)
