# The reader and writer of the help document's rich text. They need no widgets, so the help
# viewer of skin/, the fuzzers and the tests share them.
add_library(tesselo_rtf STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RtfReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RtfWriter.cpp)
target_include_directories(tesselo_rtf PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_rtf PUBLIC Qt6::Gui)
