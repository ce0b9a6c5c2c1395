tesselo_add_gtest(NAME tesselo_utils_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KVGraphicsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/KVUtilsTest.cpp
  LIBS tesselo_utils tesselo_product
  MAIN gui
  LABELS sanitized)
if(TESSELO_BUILD_GUI)
  tesselo_add_gtest(NAME tesselo_platform_ui_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/KVQtMessageBoxTest.cpp
    LIBS tesselo_platform_ui
    MAIN widgets)
endif()
