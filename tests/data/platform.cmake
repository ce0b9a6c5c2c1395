tesselo_add_gtest(NAME platform_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SingleInstanceTest.cpp ${CMAKE_CURRENT_LIST_DIR}/HandOverTest.cpp
  LIBS tesselo_platform tesselo_product
  MAIN gui
  LABELS sanitized)
