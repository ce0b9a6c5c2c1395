# The product's names, defined once here from the project's version and handed on as
#   - the header Product.h (library tesselo_product) for the game, dkwright, the skin
#     generator and the tests;
#   - the CMake variables below for the packaging and the tests' environment;
#   - <build>/product.env, KEY='value' lines a shell sources or a script reads, for the scripts
#     that get a build folder (check-package, fuzz/run, bench/run, tests/e2e/screenshots.sh).
set(TESSELO_PRODUCT_NAME "Kovalent Tesselo")
set(TESSELO_VERSION ${PROJECT_VERSION})
# The application title, caption of the main window and of the program's message boxes.
set(TESSELO_TITLE "${TESSELO_PRODUCT_NAME} ${TESSELO_VERSION}")
# The name the whole 2.x series shares: the single-instance lock, the key of the settings and
# the card builder's browse dialog carry it, so a newer release of the series finds the older
# one's settings and running game.
set(TESSELO_SERIES_NAME "${TESSELO_PRODUCT_NAME} ${PROJECT_VERSION_MAJOR}.0")
set(TESSELO_SETTINGS_KEY "Software\\Kovalent\\${TESSELO_SERIES_NAME}")
# The game's program file.
set(TESSELO_GAME_PROGRAM tesselo)
# The desktop's name of the game: launcher, metainfo, icons.
set(TESSELO_APP_ID example.kovalent.Tesselo)

set(_product_dir ${CMAKE_BINARY_DIR}/generated/product)
# C++ wants the backslashes of the key doubled.
string(REPLACE "\\" "\\\\" TESSELO_SETTINGS_KEY_CXX "${TESSELO_SETTINGS_KEY}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Product.h.in ${_product_dir}/Product.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/product.env.in ${CMAKE_BINARY_DIR}/product.env @ONLY)
unset(TESSELO_SETTINGS_KEY_CXX)

add_library(tesselo_product INTERFACE)
target_include_directories(tesselo_product INTERFACE ${_product_dir})
