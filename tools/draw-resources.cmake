# Redraws the program's pictures and its click sound into resources/:
#   build/bin/ledgora-draw-resources resources
add_executable(ledgora-draw-resources ${CMAKE_CURRENT_LIST_DIR}/draw-resources.cpp)
target_link_libraries(ledgora-draw-resources PRIVATE Qt6::Gui)
set_target_properties(ledgora-draw-resources PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LEDGORA_RUN_DIR})
