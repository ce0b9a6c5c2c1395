# Writer of the entry container, used by the asset generators, the tests and kvres.
find_package(ZLIB REQUIRED)
add_library(tesselo_kvwriter STATIC ${CMAKE_CURRENT_LIST_DIR}/KVRWriter.cpp)
target_include_directories(tesselo_kvwriter PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_kvwriter PUBLIC tesselo_archive Qt6::Core PRIVATE ZLIB::ZLIB)
