# Installing the program like a desktop program, and its Debian package. Included from
# cmake/Program.cmake.
#
#   PREFIX/bin/pindoodle
#   PREFIX/share/pindoodle/                 the pictures, sounds and songs (what build/bin holds
#                                           besides programs and the files the program writes)
#   PREFIX/share/applications/              the desktop entry
#   PREFIX/share/metainfo/                  the AppStream metadata
#   PREFIX/share/icons/hicolor/NxN/apps/    the program icon, 16 to 256 pixels
#   PREFIX/share/man/man1/pindoodle.1       the manual page
include(GNUInstallDirs)

set(PD_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(_pd_icon_files)
foreach(_size 16 24 32 48 64 128 256)
  list(APPEND _pd_icon_files ${PD_ICON_DIR}/${_size}x${_size}/apps/pindoodle.png)
endforeach()
add_custom_command(OUTPUT ${_pd_icon_files}
  COMMAND pd_artwork --icons ${PD_ICON_DIR}
  DEPENDS pd_artwork
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(desktop_icons ALL DEPENDS ${_pd_icon_files})

install(TARGETS pindoodle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The assets: build/bin without the programs beside them and without what the program and its
# tests write there (pictures, the signature kept stays the shipped blank one, TEMP.BMP).
install(DIRECTORY ${PD_BIN}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/pindoodle
  FILES_MATCHING
    PATTERN "*.kvr" PATTERN "*.KVR" PATTERN "*.mid" PATTERN "*.bmp" PATTERN "*.BMP" PATTERN "*.wmf"
    PATTERN "*.WMF" PATTERN "*.sig" PATTERN "*.txt"
    PATTERN "user" EXCLUDE
    PATTERN "test-out" EXCLUDE
    PATTERN "TEMP.BMP" EXCLUDE
    PATTERN "*.tmp" EXCLUDE)
install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/pindoodle/user)
install(FILES ${CMAKE_SOURCE_DIR}/data/org.pindoodle.Pindoodle.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/org.pindoodle.Pindoodle.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PD_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/data/pindoodle.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB (from the build directory) makes pindoodle_VERSION_ARCH.deb. The libraries it links
# give most of its dependencies (dpkg-shlibdeps); the rest are what it needs at run time that no
# library names: the General MIDI SoundFont the music plays with, the toolkit's X11 platform plugin,
# the fonts that stand in for the lettering faces; and, as suggestions, what the wallpaper methods call.
set(CPACK_PACKAGE_NAME pindoodle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pindoodle developers <pindoodle@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "painting program for young children")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "painting program for young children
 One full-screen window with a canvas, ten categories of drawing tools with
 sounds and background music, stamps, clip art, backgrounds and colouring
 pages; pictures are kept, printed, copied to the clipboard and made into the
 desktop wallpaper.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "timgm6mb-soundfont, qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libglib2.0-bin, xfconf, cups")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)
