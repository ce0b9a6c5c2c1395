# Inflating a large compressed entry through the reader, against zlib's own one-shot call.
find_package(ZLIB REQUIRED)
add_executable(archive_bench ${CMAKE_CURRENT_LIST_DIR}/archive_bench.cpp)
target_link_libraries(archive_bench PRIVATE
  tesselo_archive tesselo_kvwriter benchmark::benchmark ZLIB::ZLIB)
