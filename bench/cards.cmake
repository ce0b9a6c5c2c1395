# Catalogue scan over 1,000 generated card sets: time and bytes read per set, with the read
# counter the scan's tests use too.
add_executable(cards_bench ${CMAKE_CURRENT_LIST_DIR}/cards_bench.cpp)
target_link_libraries(cards_bench PRIVATE tesselo_cards tesselo_kvwriter tesselo_read_counter
  benchmark::benchmark)
