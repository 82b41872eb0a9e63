# Redraws the about window's miniature of the main window:
#   build/bin/ledgora-draw-miniature resources/about/miniature.bmp
add_executable(ledgora-draw-miniature ${CMAKE_CURRENT_LIST_DIR}/draw-miniature.cpp)
target_link_libraries(ledgora-draw-miniature PRIVATE ledgora_app)
set_target_properties(ledgora-draw-miniature PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LEDGORA_RUN_DIR})
