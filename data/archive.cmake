# Reader of the entry container (tesselo.dat, *.crd) and the string and stream routines.
add_library(tesselo_archive STATIC
  ${CMAKE_CURRENT_LIST_DIR}/KVRStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVstring.cpp)
target_include_directories(tesselo_archive PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_archive PUBLIC Qt6::Core ZLIB::ZLIB)

# Writer of the same container, beside its reader: the asset generators, kvres, dkwright and
# the tests link it; the game does not.
add_library(tesselo_kvwriter STATIC ${CMAKE_CURRENT_LIST_DIR}/KVRWriter.cpp)
target_link_libraries(tesselo_kvwriter PUBLIC tesselo_archive Qt6::Core PRIVATE ZLIB::ZLIB)

# The description of the skin (SkinLayout.h), which the windows, the skin generator and the tests
# read; the about box's first line is the product's title.
add_library(tesselo_skin_layout INTERFACE)
target_include_directories(tesselo_skin_layout INTERFACE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_skin_layout INTERFACE tesselo_product tesselo_translation Qt6::Core)

# The windows' skin, read from the open archive at start-up: bitmap entries decoded once each
# by the BMP reader of the card sets.
add_library(tesselo_skin_entries STATIC ${CMAKE_CURRENT_LIST_DIR}/SkinEntries.cpp)
target_link_libraries(tesselo_skin_entries PUBLIC tesselo_archive tesselo_cards Qt6::Gui)
