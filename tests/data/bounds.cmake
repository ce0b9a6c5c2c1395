# The bounds on untrusted input, each at its edge, and the replay of every input that once
# broke a fuzz target (tests/regress/<target>/), through the fuzzers' own entry functions.
if(TARGET tesselo_cards_fixtures AND TARGET tesselo_settings AND TARGET tesselo_rtf)
  tesselo_add_gtest(NAME tesselo_bounds_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BoundsTest.cpp
    LIBS tesselo_cards tesselo_cards_fixtures tesselo_settings tesselo_rtf tesselo_kvwriter
      ZLIB::ZLIB
    MAIN gui)

  include(${PROJECT_SOURCE_DIR}/fuzz/entries.cmake)
  tesselo_add_gtest(NAME tesselo_fuzz_replay_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzReplayTest.cpp
    LIBS tesselo_fuzz_entries
    MAIN gui)
endif()
