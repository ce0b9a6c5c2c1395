# The pop-up windows (the skinned base, the score screen, the about box and the help window),
# the browse dialog and the card-builder command.
add_library(tesselo_popups STATIC
  ${CMAKE_CURRENT_LIST_DIR}/popUpF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scoref.cpp
  ${CMAKE_CURRENT_LIST_DIR}/aboutf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/helpf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BrowseDWF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BuilderLauncher.cpp)
set_target_properties(tesselo_popups PROPERTIES AUTOMOC ON)
# The help document, in English and in every shipped language (help.de.rtf ...), compiled in.
set(help_documents ${PROJECT_SOURCE_DIR}/resources/help.rtf)
foreach(language IN LISTS TESSELO_LANGUAGES)
  list(APPEND help_documents ${PROJECT_SOURCE_DIR}/resources/help.${language}.rtf)
endforeach()
qt_add_resources(tesselo_popups popups PREFIX "/popups" BASE ${PROJECT_SOURCE_DIR}/resources
  FILES ${help_documents})
target_include_directories(tesselo_popups PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_popups PUBLIC
  tesselo_skin tesselo_skin_entries tesselo_window_drag tesselo_richedit tesselo_archive
  tesselo_utils tesselo_settings tesselo_engine tesselo_skin_layout tesselo_translation
  tesselo_product Qt6::Widgets)
