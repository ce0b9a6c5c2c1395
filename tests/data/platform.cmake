tesselo_add_gtest(NAME platform_tests
  SOURCES SingleInstanceTest.cpp HandOverTest.cpp
  LIBS tesselo_platform
  MAIN gui)
