# The desktop's icons at 48, 128 and 256 pixels: the game's (the skin's emblem) and that of its
# card-set files (drawn with the skin's cards). The packaging installs them into the hicolor
# theme.
add_executable(tesselo_icons ${CMAKE_CURRENT_LIST_DIR}/icons/main.cpp)
target_link_libraries(tesselo_icons PRIVATE tesselo_skinart Qt6::Gui)

set(_icon_dir ${CMAKE_BINARY_DIR}/generated/icons)
set(_emblem ${TESSELO_SKIN_RESOURCES_DIR}/tesselo.png)
set(_icon_args)
set(_card_set_args)
set(_icon_files)
foreach(size 48 128 256)
  list(APPEND _icon_args ${size} ${_icon_dir}/tesselo-${size}.png)
  list(APPEND _card_set_args ${size} ${_icon_dir}/application-x-kovalent-cards-${size}.png)
  list(APPEND _icon_files ${_icon_dir}/tesselo-${size}.png
    ${_icon_dir}/application-x-kovalent-cards-${size}.png)
endforeach()
add_custom_command(OUTPUT ${_icon_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_icon_dir}
  COMMAND tesselo_icons ${_emblem} ${_icon_args}
  COMMAND tesselo_icons --card-set ${_card_set_args}
  DEPENDS tesselo_icons ${_emblem}
  COMMENT "Drawing the icons at the icon theme's sizes"
  VERBATIM)
add_custom_target(tesselo_icon_files ALL DEPENDS ${_icon_files})
