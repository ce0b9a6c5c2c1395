tesselo_add_gtest(NAME tesselo_settings_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryTextTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RegistryFileTest.cpp
  LIBS tesselo_settings
  MAIN core)
# Loading ends with the card-set scan; its fixtures are written with the archive writer.
if(TARGET tesselo_cards AND TARGET tesselo_kvwriter)
  tesselo_add_gtest(NAME tesselo_gamesettings_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/GameSettingsTest.cpp
    LIBS tesselo_settings tesselo_kvwriter
    MAIN core)
endif()
