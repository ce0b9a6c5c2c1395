# Tests of the picture encoders, the card-set builder and the default card sets.
if(TARGET tesselo_encoders)
  tesselo_add_gtest(NAME EncodersTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EncodersTest.cpp
    LIBS tesselo_encoders
    MAIN gui)
endif()
