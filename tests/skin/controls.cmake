# Tests of the image-based skin controls (strip, map, bevel, slider, picture) on the offscreen
# platform.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
tesselo_add_gtest(NAME tesselo_skin_controls_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/KVImageListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KVImageMapTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KVImageBevelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KVImageSliderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KVPictureTest.cpp
  LIBS tesselo_skin tesselo_kvwriter Qt6::Test
  MAIN widgets)

# Pictures for the resource loaders, reachable as ":/skintest/<name>" without an extension.
set(skin_controls_fixtures tile1 tile3 KVTestFrame)
set(skin_controls_fixture_files)
foreach(name IN LISTS skin_controls_fixtures)
  set(file ${CMAKE_CURRENT_LIST_DIR}/controls_fixtures/${name}.xpm)
  set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${name})
  list(APPEND skin_controls_fixture_files ${file})
endforeach()
qt_add_resources(tesselo_skin_controls_tests "skin_controls_fixtures"
  PREFIX "/skintest"
  FILES ${skin_controls_fixture_files})
