tesselo_add_gtest(NAME tesselo_kvres_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KvresTest.cpp
  LIBS tesselo_archive tesselo_kvwriter
  MAIN core)
# The test runs the built tool from the program folder.
add_dependencies(tesselo_kvres_test kvres)
