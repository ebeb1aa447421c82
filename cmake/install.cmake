# Installation and the Debian package. Included at the end of the top-level
# CMakeLists.txt.
#
# The installed game follows Debian's layout for games: the program in
# games/ (/usr/games), its sound and help pages in share/games/pellumo, each
# player's settings under ~/.config/pellumo (the program built for this
# layout knows the data folder from PELLUMO_INSTALLED_DATA_DIR, see
# cmake/gui.cmake). Nothing is written under the prefix at run time.
include(GNUInstallDirs)

# Directories the install creates are 0755 whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(PELLUMO_DATA_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

set(PELLUMO_GAMES_BINDIR games)
set(PELLUMO_GAMES_DATADIR ${CMAKE_INSTALL_DATADIR}/games/pellumo)
set(PELLUMO_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/pellumo)

if(TARGET pellumo_installed)
  install(TARGETS pellumo_installed RUNTIME DESTINATION ${PELLUMO_GAMES_BINDIR})
  install(FILES "${CMAKE_CURRENT_SOURCE_DIR}/assets/Robotz Recycle.wav"
          DESTINATION ${PELLUMO_GAMES_DATADIR}
          PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})
  install(DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/help"
          DESTINATION ${PELLUMO_GAMES_DATADIR}
          FILE_PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})
  install(FILES ${PELLUMO_QM_FILES} DESTINATION ${PELLUMO_GAMES_DATADIR}/translations
          PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})

  install(FILES packaging/io.github.pellumo.Pellumo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})
  install(FILES packaging/io.github.pellumo.Pellumo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})
  # The metainfo's release and the manual page's heading carry the version
  # from project(); the configured copies in the build tree are installed.
  set(_metainfo "${CMAKE_CURRENT_BINARY_DIR}/packaging/io.github.pellumo.Pellumo.metainfo.xml")
  set(_man_page "${CMAKE_CURRENT_BINARY_DIR}/packaging/pellumo.6")
  configure_file(packaging/io.github.pellumo.Pellumo.metainfo.xml.in "${_metainfo}" @ONLY)
  configure_file(packaging/pellumo.6.in "${_man_page}" @ONLY)
  install(FILES "${_metainfo}"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})

  # The manual page and the Debian changelog are shipped compressed. gzip -n
  # leaves the name and the time stamp out of the header, so the same source
  # always gives the same bytes.
  find_program(PELLUMO_GZIP gzip REQUIRED)
  set(_man "${CMAKE_CURRENT_BINARY_DIR}/packaging/pellumo.6.gz")
  set(_changelog "${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian.gz")
  add_custom_command(OUTPUT "${_man}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/packaging"
    COMMAND ${PELLUMO_GZIP} -9n -c "${_man_page}" > "${_man}"
    DEPENDS "${_man_page}"
    COMMENT "Compressing the manual page")
  add_custom_command(OUTPUT "${_changelog}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/packaging"
    COMMAND ${PELLUMO_GZIP} -9n -c "${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog" > "${_changelog}"
    DEPENDS packaging/changelog
    COMMENT "Compressing the Debian changelog")
  add_custom_target(pellumo_compressed_docs ALL DEPENDS "${_man}" "${_changelog}")

  install(FILES "${_man}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
          PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})
  install(FILES packaging/copyright "${_changelog}" DESTINATION ${PELLUMO_DOCDIR}
          PERMISSIONS ${PELLUMO_DATA_PERMISSIONS})
endif()

# The text harness is a tool for scripted matches, not part of the game.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellumo)
# The game's version from project(), as its About window says it; -1 is the
# first Debian package of it (1.0.4-1 installs over the earlier package
# numbered 1.0.4). The changelog's newest entry must match; a test checks it.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "Pellumo! developers")
set(CPACK_PACKAGE_CONTACT "Pellumo! developers <pellumo@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dots and boxes against the computer")
# CPack puts the summary first and indents the long description's lines.
set(CPACK_PACKAGE_DESCRIPTION
  "Pellumo! is a game of dots and boxes on a board of 8 by 8 boxes: you
against the computer, which plays at three levels (novice, intermediate
and expert). Whoever draws the fourth side of a box scores it and moves
again. The Advice button shows the line the expert would draw, for one
point. The game keeps each player's high scores and statistics per level
and comes with help pages.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # pellumo_<version>-1_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the linked Qt libraries; these are opened at run time:
# Qt Multimedia's sound backends, the font the window falls back to, and
# Qt's own texts (the Yes and No of a question) in the player's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6multimedia6, fonts-dejavu-core, qt6-translations-l10n")
# Without Qt's Wayland platform the game runs through Xwayland on a Wayland
# desktop; with it, natively.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
include(CPack)
