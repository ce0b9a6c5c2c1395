# The per-user settings: the store (a registry text-export file on this platform) and the
# loading and saving of the game's choices, which ends with the card-set scan.
add_library(tesselo_settings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RegistryText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistryFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameSettings.cpp)
target_include_directories(tesselo_settings PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_settings PUBLIC tesselo_cards tesselo_engine tesselo_product
  Qt6::Core)
