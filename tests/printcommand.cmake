# ledgora-print's files and failures, with no printer installed.
ledgora_test(tst_printcommand SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_printcommand.cpp LIBS ledgora_templates)
target_compile_definitions(tst_printcommand PRIVATE LEDGORA_PRINT="$<TARGET_FILE:ledgora-print>")
