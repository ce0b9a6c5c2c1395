# The platform stand-ins the start-up needs: the single-instance lock and the program folder.
add_library(tesselo_platform STATIC
  ${CMAKE_CURRENT_LIST_DIR}/platform/SingleInstance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/HandOver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/TerminationSignals.cpp)
target_include_directories(tesselo_platform PUBLIC ${CMAKE_CURRENT_LIST_DIR}/platform)
target_link_libraries(tesselo_platform PUBLIC Qt6::Core Qt6::Gui)
