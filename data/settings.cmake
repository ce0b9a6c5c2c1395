# The per-user settings: the store (a registry text-export file on this platform) and the
# loading and saving of the game's choices, which ends with the card-set scan.
# Beside them, the file that keeps a game in progress between runs.
add_library(tesselo_settings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RegistryText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistryFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeptGameFile.cpp)
target_include_directories(tesselo_settings PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_settings PUBLIC tesselo_cards tesselo_engine tesselo_product
  Qt6::Core)
