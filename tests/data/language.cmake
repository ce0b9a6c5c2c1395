tesselo_add_gtest(NAME language_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LanguageTest.cpp
  LIBS tesselo_translation
  MAIN gui)
