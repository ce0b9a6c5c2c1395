# The per-user settings: the store (a registry text-export file on this platform) and the
# loading and saving of the game's choices.
add_library(tesselo_settings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RegistryText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistryFile.cpp)
target_include_directories(tesselo_settings PUBLIC
  ${CMAKE_CURRENT_LIST_DIR}
  ${PROJECT_SOURCE_DIR}/engine)
target_link_libraries(tesselo_settings PUBLIC Qt6::Core)
# Loading ends with the card-set scan, so GameSettings joins once the catalogue exists.
if(TARGET tesselo_cards)
  target_sources(tesselo_settings PRIVATE ${CMAKE_CURRENT_LIST_DIR}/GameSettings.cpp)
  target_link_libraries(tesselo_settings PUBLIC tesselo_cards)
endif()
