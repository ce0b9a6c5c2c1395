find_package(Qt6 REQUIRED COMPONENTS Test)

tesselo_add_gtest(NAME rtf_tests
  SOURCES RtfReaderTest.cpp RtfWriterTest.cpp
  LIBS tesselo_rtf
  MAIN gui)

tesselo_add_gtest(NAME richedit_tests
  SOURCES KVRichEditTest.cpp URLDetectorTest.cpp
  LIBS tesselo_richedit Qt6::Test
  MAIN widgets)
