# Picture encoders, the card-set builder dkwright and the default card sets.
find_package(GIF 5 REQUIRED)
find_package(JPEG REQUIRED)

add_library(tesselo_encoders STATIC
  ${CMAKE_CURRENT_LIST_DIR}/encoders/Palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/GifEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/JpegEncoder.cpp)
target_include_directories(tesselo_encoders PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_encoders PUBLIC Qt6::Gui PRIVATE GIF::GIF JPEG::JPEG)
