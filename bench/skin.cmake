# Repaint costs of the skin controls: the main window's bevel against one plain pixmap copy,
# and the region a hover over one map area repaints.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(skin_bench ${CMAKE_CURRENT_LIST_DIR}/skin_bench.cpp)
target_link_libraries(skin_bench PRIVATE tesselo_skin tesselo_skin_layout benchmark::benchmark
  Qt6::Widgets)

# Reading the skin's entries as the windows do, stored plain against stored compressed.
add_executable(skin_entries_bench ${CMAKE_CURRENT_LIST_DIR}/skin_entries_bench.cpp)
target_link_libraries(skin_entries_bench PRIVATE tesselo_skin_entries tesselo_kvwriter
  tesselo_skin_layout benchmark::benchmark)
