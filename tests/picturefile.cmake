ledgora_test(tst_picturefile
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_picturefile.cpp ${CMAKE_CURRENT_SOURCE_DIR}/PictureFixtures.h
    LIBS ledgora_platform)
