# The image-based skin controls: picture strip, image map, bevel, slider, picture and the cursor
# registry, the focus frame, the live status, and what assistive technology sees of them.
add_library(tesselo_skin STATIC
  ${CMAKE_CURRENT_LIST_DIR}/KVCursors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVImageList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVImageMap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVImageCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVAccessibleElement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVAccessibleGroup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVImageMapAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVImageSliderAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVFocusLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVLiveStatus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVLiveStatusAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVPictureAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlainText.cpp)
target_include_directories(tesselo_skin PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tesselo_skin PUBLIC Qt6::Widgets tesselo_archive)
