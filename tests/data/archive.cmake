find_package(ZLIB REQUIRED)
tesselo_add_gtest(NAME tesselo_archive_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KVRStreamTest.cpp ${CMAKE_CURRENT_LIST_DIR}/KVstringTest.cpp
  LIBS tesselo_archive tesselo_cards tesselo_kvwriter ZLIB::ZLIB
  MAIN none
  LABELS sanitized)
