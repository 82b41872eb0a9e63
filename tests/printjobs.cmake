# Print jobs handed to a private print scheduler started by the test.
ledgora_test(tst_printjobs
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_printjobs.cpp ${CMAKE_CURRENT_LIST_DIR}/CupsScheduler.h
    LIBS ledgora_platform Qt6::PrintSupport ${CUPS_LIBRARY})
