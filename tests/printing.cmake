# Printing through a private print scheduler the test starts itself (skipped where it cannot).
ledgora_test(tst_printing SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_printing.cpp LIBS ledgora_app ${CUPS_LIBRARY})
target_compile_definitions(tst_printing PRIVATE LEDGORA_PRINT="$<TARGET_FILE:ledgora-print>")
