# The Debian package, packed from this build and started unpacked (package.sh). Only in a build
# without sanitizers: the package is made from the normal build, and a library preloaded into a
# sanitized program would have to come after the sanitizer's runtime.
if(NOT LEDGORA_SANITIZE AND NOT LEDGORA_FUZZ)
    add_library(ledgora_package_probe MODULE ${CMAKE_CURRENT_LIST_DIR}/package_probe.cpp)
    target_link_libraries(ledgora_package_probe PRIVATE Qt6::Widgets Qt6::Multimedia Qt6::Test)
    add_test(NAME tst_package
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package.sh ${CMAKE_BINARY_DIR}
                     $<TARGET_FILE:ledgora_package_probe> ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
    set_tests_properties(tst_package PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${LEDGORA_TEST_RUNTIME};QT_LOGGING_RULES=qt.qpa.*=false")
endif()
