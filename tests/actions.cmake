# The reactions of the toolbar and the page buttons.
ledgora_test(tst_actions SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_actions.cpp LIBS ledgora_app)
