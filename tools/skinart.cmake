# The game's skin (tesselo.dat), cursors, builder strips, icon and sounds, drawn at build time
# by our own generator; every build gives the same bytes.
set(TESSELO_SKINMAKER_DIR ${CMAKE_CURRENT_LIST_DIR}/skinmaker)
add_library(tesselo_skinart STATIC
  ${TESSELO_SKINMAKER_DIR}/Noise.cpp
  ${TESSELO_SKINMAKER_DIR}/Materials.cpp
  ${TESSELO_SKINMAKER_DIR}/Ornaments.cpp
  ${TESSELO_SKINMAKER_DIR}/Captions.cpp
  ${TESSELO_SKINMAKER_DIR}/CardArt.cpp
  ${TESSELO_SKINMAKER_DIR}/FrameArt.cpp
  ${TESSELO_SKINMAKER_DIR}/CommandBarArt.cpp
  ${TESSELO_SKINMAKER_DIR}/CoverArt.cpp
  ${TESSELO_SKINMAKER_DIR}/OptionsArt.cpp
  ${TESSELO_SKINMAKER_DIR}/PopUpArt.cpp
  ${TESSELO_SKINMAKER_DIR}/BuilderStripArt.cpp
  ${TESSELO_SKINMAKER_DIR}/CursorArt.cpp
  ${TESSELO_SKINMAKER_DIR}/SoundSynth.cpp
  ${TESSELO_SKINMAKER_DIR}/SkinArchive.cpp
  ${TESSELO_SKINMAKER_DIR}/SkinPoints.cpp
  ${TESSELO_SKINMAKER_DIR}/Preview.cpp)
target_include_directories(tesselo_skinart PUBLIC ${TESSELO_SKINMAKER_DIR})
# The previews show the game's own texts of players and verdicts.
target_link_libraries(tesselo_skinart PUBLIC Qt6::Gui tesselo_kvwriter
  PRIVATE tesselo_skin_layout tesselo_engine tesselo_translation)

add_executable(tesselo_skinmaker ${TESSELO_SKINMAKER_DIR}/main.cpp)
target_link_libraries(tesselo_skinmaker PRIVATE tesselo_skinart)

set(TESSELO_SKIN_RESOURCES_DIR ${CMAKE_BINARY_DIR}/generated/resources)
set(TESSELO_SKIN_PROGRAM_FILES
  ${TESSELO_PROGRAM_DIR}/tesselo.dat
  ${TESSELO_PROGRAM_DIR}/good.wav
  ${TESSELO_PROGRAM_DIR}/bad.wav)
set(TESSELO_SKIN_RESOURCE_FILES
  ${TESSELO_SKIN_RESOURCES_DIR}/crhmove.png
  ${TESSELO_SKIN_RESOURCES_DIR}/crhpoint.png
  ${TESSELO_SKIN_RESOURCES_DIR}/dkwrbtn-options.png
  ${TESSELO_SKIN_RESOURCES_DIR}/dkwrbtn-score.png
  ${TESSELO_SKIN_RESOURCES_DIR}/tesselo.png)
# Each shipped language has its skin archive and builder strips, painted from its catalogue.
foreach(language IN LISTS TESSELO_LANGUAGES)
  list(APPEND TESSELO_SKIN_PROGRAM_FILES ${TESSELO_PROGRAM_DIR}/tesselo.${language}.dat)
  list(APPEND TESSELO_SKIN_RESOURCE_FILES
    ${TESSELO_SKIN_RESOURCES_DIR}/dkwrbtn-options.${language}.png
    ${TESSELO_SKIN_RESOURCES_DIR}/dkwrbtn-score.${language}.png)
endforeach()
list(JOIN TESSELO_LANGUAGES "," language_list)
# The points of the windows the end-to-end checks click, for the scripts to source.
set(TESSELO_SKIN_POINTS ${CMAKE_BINARY_DIR}/generated/skin-points.env)
add_custom_command(
  OUTPUT ${TESSELO_SKIN_PROGRAM_FILES} ${TESSELO_SKIN_RESOURCE_FILES} ${TESSELO_SKIN_POINTS}
  COMMAND tesselo_skinmaker --program ${TESSELO_PROGRAM_DIR}
                            --resources ${TESSELO_SKIN_RESOURCES_DIR}
                            --points ${CMAKE_BINARY_DIR}/generated
                            --languages ${language_list}
                            --catalogues ${TESSELO_PROGRAM_DIR}/translations
  DEPENDS tesselo_skinmaker ${TESSELO_CATALOGUES}
  COMMENT "Drawing the skin, cursors and sounds"
  VERBATIM)
add_custom_target(tesselo_skin_assets ALL
  DEPENDS ${TESSELO_SKIN_PROGRAM_FILES} ${TESSELO_SKIN_RESOURCE_FILES} ${TESSELO_SKIN_POINTS})
add_dependencies(tesselo_skin_assets tesselo_catalogues)
install(FILES ${TESSELO_SKIN_PROGRAM_FILES} DESTINATION lib/tesselo)

# Pictures of whole windows for docs/screenshots; run by hand after changing the artwork.
add_custom_target(tesselo_skin_previews
  COMMAND tesselo_skinmaker --preview ${PROJECT_SOURCE_DIR}/docs/screenshots
  COMMENT "Drawing window previews into docs/screenshots"
  VERBATIM)
