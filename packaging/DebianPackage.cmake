# The Debian package of the whole install: cpack --config <build>/CPackConfig.cmake writes
# <build>/packages/kovalent-tesselo_<version>_<arch>.deb. Build the installed targets first;
# the package is made from what the build folder holds.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kovalent-tesselo)
set(CPACK_PACKAGE_VENDOR Kovalent)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kovalent <tesselo@kovalent.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pair-matching card game (concentration)")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)

# Installed as a system package: under /usr, with the install record in /etc. DESTDIR staging
# keeps the prefix the install scripts see at /usr, so the record names the real folder.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tesselo.kovalent.example/)
# The summary above is the first line of the description; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kovalent Tesselo deals a board of face-down cards; the player at turn turns
two of them, keeps a matching pair and plays again, or turns a miss back and
passes the turn. One to four players, a computer opponent with eleven levels
of memory, boards of 8 to 60 pairs, and card sets of pictures and animations.
.
The package also holds Deckwright (dkwright), which makes card sets of your
own pictures, and kvres, which lists and packs the game's archives.")

# The libraries the programs link come from dpkg-shlibdeps; the window system plugin and the
# sound backend are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations word the buttons of message boxes and file dialogs in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core, gstreamer1.0-plugins-good, qt6-translations-l10n")

# The install record under /etc is a configuration file: an edited one survives upgrades.
set(_deb_control ${CMAKE_CURRENT_BINARY_DIR}/deb)
file(MAKE_DIRECTORY ${_deb_control})
file(WRITE ${_deb_control}/conffiles "/etc/xdg/Kovalent/registry.reg\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_deb_control}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
