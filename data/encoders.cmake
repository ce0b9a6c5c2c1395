# The writers of card faces (GIF with its palette, JPEG, BMP): the card builder makes sets with
# them, the default sets are painted with them, and the tests make their fixtures with them.
add_library(tesselo_encoders STATIC
  ${CMAKE_CURRENT_LIST_DIR}/encoders/Palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/GifEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/JpegEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoders/BmpEncoder.cpp)
target_include_directories(tesselo_encoders PUBLIC ${CMAKE_CURRENT_LIST_DIR}/encoders)
target_link_libraries(tesselo_encoders PUBLIC Qt6::Gui PRIVATE GIF::GIF JPEG::JPEG)
