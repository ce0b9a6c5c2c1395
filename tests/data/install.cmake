# The system files below the user's settings file and the card builder found through them.
tesselo_add_gtest(NAME tesselo_installkey_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/InstallKeyTest.cpp
  LIBS tesselo_settings tesselo_product
  MAIN core)
