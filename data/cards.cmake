# Card sets: the header record, the pair table and sound clips of sets of different cards, the catalogue, the loader of a game's set, the face decoders and
# the install of a set the player opens. Faces are decoded on threads of the loader's own.
find_package(Threads REQUIRED)
add_library(tesselo_cards STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ImageLimits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BmpImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JpegImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GifImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CardSetHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CardSetFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PairTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PairTableFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveClip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CardArt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CardSets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CardSetLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CardSetInstall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegularFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EveryCore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FaceFit.cpp)
target_include_directories(tesselo_cards PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# The loader hands the engine its faces through the engine's card source.
target_link_libraries(tesselo_cards PUBLIC tesselo_archive tesselo_engine Qt6::Gui
  PRIVATE JPEG::JPEG GIF::GIF Threads::Threads)
