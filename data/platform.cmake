add_library(tesselo_platform STATIC
  platform/SingleInstance.cpp
  platform/ProgramFolder.cpp
  platform/HandOver.cpp)
target_include_directories(tesselo_platform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/platform)
target_link_libraries(tesselo_platform PUBLIC Qt6::Core Qt6::Gui)
