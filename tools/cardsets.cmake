# Picture encoders, the card-set builder dkwright and the default card sets.
find_package(GIF 5 REQUIRED)
find_package(JPEG REQUIRED)

add_library(tesselo_encoders STATIC
  ${CMAKE_CURRENT_LIST_DIR}/encoders/Palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/GifEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/JpegEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/BmpEncoder.cpp)
target_include_directories(tesselo_encoders PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_encoders PUBLIC Qt6::Gui PRIVATE GIF::GIF JPEG::JPEG)

# The builder needs the game's own card-set code (header record, decoders) and the writer.
if(TARGET tesselo_cards AND TARGET tesselo_kvwriter)
  set(_dw ${CMAKE_CURRENT_LIST_DIR}/deckwright)
  add_library(tesselo_deckwright STATIC
    ${_dw}/FaceFormat.cpp
    ${_dw}/CardBox.cpp
    ${_dw}/FacePicture.cpp
    ${_dw}/FacePreparation.cpp
    ${_dw}/DefaultArt.cpp
    ${_dw}/FaceArguments.cpp
    ${_dw}/DeckBuilder.cpp
    ${_dw}/DeckInfo.cpp
    ${_dw}/DeckwrightCommand.cpp
    ${_dw}/PairChoices.cpp
    ${_dw}/DraftFace.cpp
    ${_dw}/DraftChecks.cpp
    ${_dw}/CardFolders.cpp)
  target_include_directories(tesselo_deckwright PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(tesselo_deckwright PUBLIC tesselo_encoders tesselo_cards tesselo_kvwriter
    Qt6::Gui)
endif()

# The builder's window. Only dkwright and its tests link Qt Widgets; the command line and the
# default sets' painter do without, so a build without the Qt windows leaves all three out.
if(TESSELO_BUILD_GUI AND TARGET tesselo_deckwright AND TARGET tesselo_platform)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_library(tesselo_deckwright_window STATIC
    ${_dw}/DeckBuildJob.cpp
    ${_dw}/DroppedFiles.cpp
    ${_dw}/FaceGrid.cpp
    ${_dw}/PictureChooser.cpp
    ${_dw}/DeckwrightPrompts.cpp
    ${_dw}/GameLauncher.cpp
    ${_dw}/DeckwrightWindow.cpp)
  set_target_properties(tesselo_deckwright_window PROPERTIES AUTOMOC ON)
  target_link_libraries(tesselo_deckwright_window PUBLIC tesselo_deckwright tesselo_platform
    Qt6::Widgets)

  add_executable(dkwright ${_dw}/main.cpp)
  target_link_libraries(dkwright PRIVATE tesselo_deckwright_window)
  set_target_properties(dkwright PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSELO_PROGRAM_DIR})
  install(TARGETS dkwright RUNTIME DESTINATION lib/tesselo)
endif()

# The default card sets, painted and written at build time into the program's cards folder.
if(TARGET tesselo_deckwright)
  set(_cm ${CMAKE_CURRENT_LIST_DIR}/cardsetmaker)
  add_executable(cardsetmaker
    ${_cm}/main.cpp
    ${_cm}/ArtKit.cpp
    ${_cm}/AnimatedFaces.cpp
    ${_cm}/LandscapeFaces.cpp
    ${_cm}/ShapeFaces.cpp
    ${_cm}/SetArtwork.cpp
    ${_cm}/DefaultSets.cpp
    ${_cm}/PreviewSheet.cpp)
  target_link_libraries(cardsetmaker PRIVATE tesselo_deckwright)

  set(TESSELO_DEFAULT_CARDSETS
    ${TESSELO_PROGRAM_DIR}/cards/animations.crd
    ${TESSELO_PROGRAM_DIR}/cards/wallpapers.crd
    ${TESSELO_PROGRAM_DIR}/cards/shapes.crd)
  add_custom_command(OUTPUT ${TESSELO_DEFAULT_CARDSETS}
    COMMAND cardsetmaker ${TESSELO_PROGRAM_DIR}/cards
    DEPENDS cardsetmaker
    COMMENT "Painting the default card sets"
    VERBATIM)
  add_custom_target(tesselo_default_cardsets ALL DEPENDS ${TESSELO_DEFAULT_CARDSETS})
  install(FILES ${TESSELO_DEFAULT_CARDSETS} DESTINATION lib/tesselo/cards)
endif()
