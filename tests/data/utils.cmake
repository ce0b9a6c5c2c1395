tesselo_add_gtest(NAME tesselo_utils_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KVGraphicsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/KVUtilsTest.cpp
  LIBS tesselo_utils tesselo_product
  MAIN gui
  LABELS sanitized)
