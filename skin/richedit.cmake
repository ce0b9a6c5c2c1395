# The help viewer (TKVRichEditOLE) and the line carrier (TKVStrings); the rich text itself is
# read by data/'s RTF reader.
add_library(tesselo_richedit STATIC
  ${CMAKE_CURRENT_LIST_DIR}/KVRichEdOLE.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/URLDetector.cpp)
set_target_properties(tesselo_richedit PROPERTIES AUTOMOC ON)
target_include_directories(tesselo_richedit PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_richedit PUBLIC tesselo_rtf Qt6::Widgets)
