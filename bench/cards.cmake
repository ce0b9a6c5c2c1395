# Catalogue scan over 1,000 generated card sets: time and bytes read per set.
add_executable(cards_bench ${CMAKE_CURRENT_LIST_DIR}/cards_bench.cpp)
target_link_libraries(cards_bench PRIVATE tesselo_cards tesselo_kvwriter benchmark::benchmark)
# The read counter the scan's tests use too.
target_include_directories(cards_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
