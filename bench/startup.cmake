# Start-up benchmark (run by hand, never by the tests):
#   build/bin/ledgora-bench-startup [RUNS]
# times the program from exec to the first paint of its main window against a minimal
# Qt program of the same size, alternating, on the offscreen platform.
add_executable(ledgora-startup-probe ${CMAKE_CURRENT_LIST_DIR}/startup_probe.cpp)
target_link_libraries(ledgora-startup-probe PRIVATE ledgora_app)
add_executable(ledgora-startup-minimal ${CMAKE_CURRENT_LIST_DIR}/startup_minimal.cpp)
target_link_libraries(ledgora-startup-minimal PRIVATE Qt6::Widgets)
add_executable(ledgora-bench-startup ${CMAKE_CURRENT_LIST_DIR}/startup.cpp)
set_target_properties(ledgora-startup-probe ledgora-startup-minimal ledgora-bench-startup
    PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LEDGORA_RUN_DIR})
