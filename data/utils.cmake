# The bitmap that fits card faces, the message box and the desktop-shell routines, and the
# platform stand-ins behind them. The message box is an interface here; the program installs
# the widget one (app/KVQtMessageBox), so the data libraries never link widgets.
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
