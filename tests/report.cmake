# The report engine on small hand-built reports, and the four printed documents.
ledgora_test(tst_report SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_report.cpp LIBS ledgora_report)
ledgora_test(tst_documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_documents.cpp LIBS ledgora_templates)
