tesselo_add_gtest(NAME rtf_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RtfReaderTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RtfWriterTest.cpp
  LIBS tesselo_rtf
  MAIN gui
  LABELS sanitized)
