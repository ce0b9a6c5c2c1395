# The card sets the game ships with, painted with the card builder's own code and written at
# build time into the program's cards folder. The sound cards' clips are spoken by espeak-ng,
# needed at build time only; cardsetmaker stops the build with a message when it is missing.
set(_cm ${CMAKE_CURRENT_LIST_DIR}/cardsetmaker)
add_executable(cardsetmaker
  ${_cm}/main.cpp
  ${_cm}/ArtKit.cpp
  ${_cm}/AnimatedFaces.cpp
  ${_cm}/LandscapeFaces.cpp
  ${_cm}/ShapeFaces.cpp
  ${_cm}/SetArtwork.cpp
  ${_cm}/DefaultSets.cpp
  ${_cm}/PairSets.cpp
  ${_cm}/SpokenWords.cpp
  ${_cm}/PreviewSheet.cpp)
target_link_libraries(cardsetmaker PRIVATE tesselo_deckwright)

set(TESSELO_DEFAULT_CARDSETS
  ${TESSELO_PROGRAM_DIR}/cards/animations.crd
  ${TESSELO_PROGRAM_DIR}/cards/wallpapers.crd
  ${TESSELO_PROGRAM_DIR}/cards/shapes.crd
  ${TESSELO_PROGRAM_DIR}/cards/learn-shapes.crd
  ${TESSELO_PROGRAM_DIR}/cards/hear-words.crd)
add_custom_command(OUTPUT ${TESSELO_DEFAULT_CARDSETS}
  COMMAND cardsetmaker ${TESSELO_PROGRAM_DIR}/cards
  DEPENDS cardsetmaker
  COMMENT "Painting the default card sets"
  VERBATIM)
add_custom_target(tesselo_default_cardsets ALL DEPENDS ${TESSELO_DEFAULT_CARDSETS})
install(FILES ${TESSELO_DEFAULT_CARDSETS} DESTINATION lib/tesselo/cards)
