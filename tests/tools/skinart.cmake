# Tests of the generated skin, cursors, strips and sounds: they read what the build made with
# the game's own archive reader, and run the generator again to check it is reproducible.
find_package(Qt6 REQUIRED COMPONENTS Core Gui)
tesselo_add_gtest(NAME tesselo_skinart_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SkinArtTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinPicturesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinAssetsTest.cpp
  LIBS tesselo_archive tesselo_skin_layout Qt6::Gui
  MAIN gui)
target_compile_definitions(tesselo_skinart_test PRIVATE
  TESSELO_SKINMAKER="$<TARGET_FILE:tesselo_skinmaker>"
  TESSELO_GENERATED_RESOURCES="${CMAKE_BINARY_DIR}/generated/resources")
add_dependencies(tesselo_skinart_test tesselo_skin_assets)

tesselo_add_gtest(NAME tesselo_skinmaker_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SkinMakerUnitsTest.cpp
  LIBS tesselo_skinart tesselo_skin_layout tesselo_archive
  MAIN gui)
