tesselo_add_gtest(NAME tesselo_settings_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryTextTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RegistryFileTest.cpp
  LIBS tesselo_settings
  MAIN core
  LABELS sanitized)
# Loading ends with the card-set scan; its fixtures are written with the archive writer.
tesselo_add_gtest(NAME tesselo_gamesettings_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GameSettingsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsDurabilityTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptGameFileTest.cpp
  LIBS tesselo_settings tesselo_kvwriter
  MAIN core
  LABELS sanitized)
# The game's save in a process of its own, for the durability test to kill.
add_executable(tesselo_settings_save_loop ${CMAKE_CURRENT_LIST_DIR}/SettingsSaveLoop.cpp)
target_link_libraries(tesselo_settings_save_loop PRIVATE tesselo_settings)
set_target_properties(tesselo_settings_save_loop PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(tesselo_gamesettings_test tesselo_settings_save_loop)
target_compile_definitions(tesselo_gamesettings_test PRIVATE
  TESSELO_SETTINGS_SAVE_LOOP="$<TARGET_FILE:tesselo_settings_save_loop>")
