# The player's language: choosing it, installing the catalogues, and the engine's texts shown
# through Qt's translators.
add_library(tesselo_translation STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Translation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Language.cpp)
target_include_directories(tesselo_translation PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_translation PUBLIC tesselo_engine Qt6::Core)
