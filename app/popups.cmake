# The pop-up windows (the skinned base, the score screen, the about box and the help window),
# the browse dialog and the card-builder command.
add_library(tesselo_popups STATIC
  ${CMAKE_CURRENT_LIST_DIR}/popUpF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scoref.cpp
  ${CMAKE_CURRENT_LIST_DIR}/aboutf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/helpf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BrowseDWF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BuilderLauncher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popups.qrc)
set_target_properties(tesselo_popups PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(tesselo_popups PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_popups PUBLIC
  tesselo_skin tesselo_skin_entries tesselo_window_drag tesselo_richedit tesselo_archive
  tesselo_utils tesselo_settings tesselo_engine tesselo_skin_layout tesselo_product Qt6::Widgets)
