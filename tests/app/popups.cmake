# Tests of the pop-up windows, the score screen and the card-builder launch, against the skin
# archive generated into the program folder.
tesselo_add_gtest(NAME tesselo_popups_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PopupTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScoreFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BuilderLauncherTest.cpp
  LIBS tesselo_popups tesselo_kvwriter tesselo_product Qt6::Test
  MAIN widgets)
target_compile_definitions(tesselo_popups_test PRIVATE
  TESSELO_GENERATED_RESOURCES_DIR="${CMAKE_BINARY_DIR}/generated/resources")
add_dependencies(tesselo_popups_test tesselo_skin_assets)
