# The bitmap that fits card faces, the message box and the desktop-shell routines, and the
# platform stand-ins behind them. The widget message box is a library of its own so that
# the data libraries never link widgets.
add_library(tesselo_utils STATIC
  ${CMAKE_CURRENT_LIST_DIR}/KVGraphics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVUtils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/KVShell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/KVDesktopShell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/KVMessageBox.cpp)
target_include_directories(tesselo_utils PUBLIC
  ${CMAKE_CURRENT_LIST_DIR}
  ${CMAKE_CURRENT_LIST_DIR}/platform)
target_link_libraries(tesselo_utils PUBLIC Qt6::Core Qt6::Gui)

if(TESSELO_BUILD_GUI)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_library(tesselo_platform_ui STATIC ${CMAKE_CURRENT_LIST_DIR}/platform/KVQtMessageBox.cpp)
  target_link_libraries(tesselo_platform_ui PUBLIC tesselo_utils Qt6::Widgets)
endif()
