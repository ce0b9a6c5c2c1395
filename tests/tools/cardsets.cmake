# Tests of the picture encoders, the card-set builder and the default card sets.
if(TARGET tesselo_encoders AND TARGET tesselo_cards)
  tesselo_add_gtest(NAME EncodersTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EncodersTest.cpp
    LIBS tesselo_encoders tesselo_cards
    MAIN gui)
endif()

if(TARGET tesselo_deckwright)
  tesselo_add_gtest(NAME DeckwrightTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DeckwrightTest.cpp ${CMAKE_CURRENT_LIST_DIR}/FaceArgumentsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DeckTestPictures.cpp
    LIBS tesselo_deckwright
    MAIN gui)
endif()

if(TARGET dkwright)
  tesselo_add_gtest(NAME DkwrightTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DkwrightTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DeckTestPictures.cpp
    LIBS tesselo_encoders tesselo_cards
    MAIN gui)
  add_dependencies(DkwrightTest dkwright)
endif()

if(TARGET tesselo_default_cardsets)
  tesselo_add_gtest(NAME DefaultSetsTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DefaultSetsTest.cpp
    LIBS tesselo_cards
    MAIN core)
  target_compile_definitions(DefaultSetsTest PRIVATE
    TESSELO_CARDSETMAKER="$<TARGET_FILE:cardsetmaker>")
  add_dependencies(DefaultSetsTest tesselo_default_cardsets)
endif()

if(TARGET tesselo_deckwright_window)
  find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
  tesselo_add_gtest(NAME DeckwrightWindowTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DeckwrightWindowTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DeckDraftTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DkwrightModesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DeckTestPictures.cpp
    LIBS tesselo_deckwright_window Qt6::Test
    MAIN widgets)
  add_dependencies(DeckwrightWindowTest dkwright)
endif()
