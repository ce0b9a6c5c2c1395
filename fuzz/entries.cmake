# The fuzz entry functions as an ordinary library: the fuzzers link it, and so does the replay
# test of the normal build, which feeds it every input kept under tests/regress/.
if(NOT TARGET tesselo_fuzz_entries AND TARGET tesselo_cards AND TARGET tesselo_settings
   AND TARGET tesselo_rtf)
  set(_fe ${CMAKE_CURRENT_LIST_DIR}/entries)
  add_library(tesselo_fuzz_entries STATIC
    ${_fe}/FuzzCheck.cpp
    ${_fe}/ArchiveEntry.cpp
    ${_fe}/CardSetEntry.cpp
    ${_fe}/FaceEntries.cpp
    ${_fe}/SettingsEntries.cpp
    ${_fe}/RtfEntry.cpp
    ${_fe}/FieldsEntry.cpp)
  target_include_directories(tesselo_fuzz_entries PUBLIC ${_fe})
  target_link_libraries(tesselo_fuzz_entries PUBLIC
    tesselo_archive tesselo_cards tesselo_settings tesselo_rtf tesselo_engine Qt6::Gui)
endif()
