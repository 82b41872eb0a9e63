# The saved preview file, on the four printed documents and on damaged and hostile files.
ledgora_test(tst_previewfile SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_previewfile.cpp LIBS ledgora_templates)
