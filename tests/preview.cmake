# The print preview window and the progress window, with no printer installed.
ledgora_test(tst_preview SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_preview.cpp LIBS ledgora_app ${CUPS_LIBRARY})
