# Writer of the entry container, used by the asset generators, the tests and kvres.
find_package(ZLIB REQUIRED)
add_library(tesselo_kvwriter STATIC ${CMAKE_CURRENT_LIST_DIR}/KVRWriter.cpp)
target_include_directories(tesselo_kvwriter PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_kvwriter PUBLIC tesselo_archive Qt6::Core PRIVATE ZLIB::ZLIB)

add_executable(kvres ${CMAKE_CURRENT_LIST_DIR}/kvres.cpp)
target_link_libraries(kvres PRIVATE tesselo_kvwriter tesselo_archive Qt6::Core)
set_target_properties(kvres PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSELO_PROGRAM_DIR})
install(TARGETS kvres RUNTIME DESTINATION lib/tesselo)
