find_package(ZLIB REQUIRED)
tesselo_add_gtest(NAME tesselo_archive_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KVRStreamTest.cpp ${CMAKE_CURRENT_LIST_DIR}/KVstringTest.cpp
  LIBS tesselo_archive tesselo_cards tesselo_kvwriter ZLIB::ZLIB
  MAIN none
  LABELS sanitized)

# The skin's bitmap reader against Qt's own, and the reader the windows share, on the skin the
# build generated.
tesselo_add_gtest(NAME tesselo_skin_entries_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SkinEntriesTest.cpp
  LIBS tesselo_skin_entries tesselo_skin_layout
  MAIN gui)
add_dependencies(tesselo_skin_entries_test tesselo_skin_assets)
