# The bounds on untrusted input, each at its edge, and the replay of the inputs kept for every
# fuzz target (tests/regress/<target>/), through the fuzzers' own entry functions.
tesselo_add_gtest(NAME tesselo_bounds_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BoundsTest.cpp
  LIBS tesselo_cards tesselo_cards_fixtures tesselo_settings tesselo_rtf tesselo_kvwriter
    ZLIB::ZLIB
  MAIN gui
  LABELS sanitized)

tesselo_add_gtest(NAME tesselo_fuzz_replay_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzReplayTest.cpp
  LIBS tesselo_fuzz_entries
  MAIN gui
  LABELS sanitized)
