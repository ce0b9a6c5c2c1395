find_package(Qt6 REQUIRED COMPONENTS Core Gui)
find_package(GIF 5 REQUIRED)
find_package(JPEG REQUIRED)
add_library(tesselo_cards_fixtures STATIC ${CMAKE_CURRENT_LIST_DIR}/FaceFixtures.cpp)
target_include_directories(tesselo_cards_fixtures PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_cards_fixtures PUBLIC tesselo_cards tesselo_kvwriter Qt6::Gui
  PRIVATE GIF::GIF JPEG::JPEG)

tesselo_add_gtest(NAME tesselo_cards_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GifImageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JpegImageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BmpImageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CardSetsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CardSetInstallTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PairTableTest.cpp
  LIBS tesselo_cards tesselo_cards_fixtures
  MAIN core
  LABELS sanitized)
