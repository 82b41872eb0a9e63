# ledgora-snapshot OUTDIR: every part in tools/snapshot_*.cpp adds its pictures.
file(GLOB snapshot_parts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/snapshot_*.cpp)
add_executable(ledgora-snapshot ${CMAKE_CURRENT_LIST_DIR}/snapshot.cpp ${snapshot_parts})
target_include_directories(ledgora-snapshot PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(ledgora-snapshot PRIVATE ledgora_app)
set_target_properties(ledgora-snapshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LEDGORA_RUN_DIR})
