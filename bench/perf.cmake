# The figures behind bench/run: start-up to the first paint (the game and a bare window), the
# data path of a new game, board repaints, GIF overlays playing, and peak memory of a game.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
find_package(JPEG REQUIRED)
find_package(GIF 5 REQUIRED)
find_package(ZLIB REQUIRED)
find_package(Threads REQUIRED)

add_library(tesselo_perf_probe STATIC ${CMAKE_CURRENT_LIST_DIR}/perf_probe.cpp)
target_include_directories(tesselo_perf_probe PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_perf_probe PUBLIC Qt6::Widgets)

# The floor of start-up: a bare frameless window that paints one pixmap.
add_executable(floor_window ${CMAKE_CURRENT_LIST_DIR}/floor_window.cpp)
target_link_libraries(floor_window PRIVATE tesselo_perf_probe tesselo_skin_layout)

add_executable(perf_newgame ${CMAKE_CURRENT_LIST_DIR}/perf_newgame.cpp)
# The words' floor draws them with the game's own DrawWordCard (data/CardArt).
target_link_libraries(perf_newgame PRIVATE
  tesselo_cards benchmark::benchmark JPEG::JPEG GIF::GIF ZLIB::ZLIB Qt6::Gui Threads::Threads)

add_executable(perf_board ${CMAKE_CURRENT_LIST_DIR}/perf_board.cpp)
target_link_libraries(perf_board PRIVATE tesselo_app benchmark::benchmark)
add_executable(perf_overlay ${CMAKE_CURRENT_LIST_DIR}/perf_overlay.cpp)
target_link_libraries(perf_overlay PRIVATE tesselo_app)

# The game itself, built from its own main() with the probe linked in. It runs from a folder
# of its own that bench/run fills with links to the program folder's data.
tesselo_add_game(perf_game SOURCES ${CMAKE_CURRENT_LIST_DIR}/perf_game_hook.cpp)
target_link_libraries(perf_game PRIVATE tesselo_perf_probe)
set_target_properties(perf_game PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench-game)
