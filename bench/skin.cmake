# Repaint costs of the skin controls: the main window's bevel against one plain pixmap copy,
# and the region a hover over one map area repaints.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(skin_bench ${CMAKE_CURRENT_LIST_DIR}/skin_bench.cpp)
target_link_libraries(skin_bench PRIVATE tesselo_skin tesselo_skin_layout benchmark::benchmark
  Qt6::Widgets)
