# bench/report: composition, rendering and PDF times of the four documents, and how composition
# grows with the number of bands. Run by hand: build/bin/ledgora-bench-report
add_executable(ledgora-bench-report ${CMAKE_CURRENT_LIST_DIR}/report.cpp)
target_link_libraries(ledgora-bench-report PRIVATE ledgora_templates)
set_target_properties(ledgora-bench-report PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LEDGORA_RUN_DIR})
