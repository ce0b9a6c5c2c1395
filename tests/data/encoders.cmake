# The face writers, read back with the game's own decoders.
tesselo_add_gtest(NAME EncodersTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EncodersTest.cpp
  LIBS tesselo_encoders tesselo_cards
  MAIN gui)
