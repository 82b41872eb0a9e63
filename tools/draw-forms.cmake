# Redraws the transfer form's pictures into resources/forms/:
#   build/bin/ledgora-draw-forms resources/forms
add_executable(ledgora-draw-forms ${CMAKE_CURRENT_LIST_DIR}/draw-forms.cpp)
target_link_libraries(ledgora-draw-forms PRIVATE Qt6::Gui)
set_target_properties(ledgora-draw-forms PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LEDGORA_RUN_DIR})
