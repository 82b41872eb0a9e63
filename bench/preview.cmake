# bench/preview: the preview's first page, repaints at 100 % and 2000 %, saved preview files and
# PDF size per page of the four documents. Run by hand: build/bin/ledgora-bench-preview
add_executable(ledgora-bench-preview ${CMAKE_CURRENT_LIST_DIR}/preview.cpp)
target_link_libraries(ledgora-bench-preview PRIVATE ledgora_templates)
set_target_properties(ledgora-bench-preview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LEDGORA_RUN_DIR})
