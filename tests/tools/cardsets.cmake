# The default card sets as the build wrote them, and the painter run again for the same bytes.
tesselo_add_gtest(NAME DefaultSetsTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DefaultSetsTest.cpp
  LIBS tesselo_cards
  MAIN core)
target_compile_definitions(DefaultSetsTest PRIVATE
  TESSELO_CARDSETMAKER="$<TARGET_FILE:cardsetmaker>")
add_dependencies(DefaultSetsTest tesselo_default_cardsets)
