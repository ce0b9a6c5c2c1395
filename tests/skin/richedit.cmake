find_package(Qt6 REQUIRED COMPONENTS Test)

tesselo_add_gtest(NAME richedit_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KVRichEditTest.cpp ${CMAKE_CURRENT_LIST_DIR}/URLDetectorTest.cpp
  LIBS tesselo_richedit Qt6::Test
  MAIN widgets)
