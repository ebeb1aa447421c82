# Installation and the Debian package. Included at the end of the top-level
# CMakeLists.txt.
#
# The game keeps its settings file, its capture sound and its help pages in
# the folder of its own executable (the real folder: a symbolic link to it is
# resolved first), so the game lives in a private folder, lib/pellumo, with a
# link to it in bin. Under /usr that folder belongs to root: there the game
# runs with the settings it finds and cannot save, as the README says.
include(GNUInstallDirs)

set(PELLUMO_PRIVATE_DIR lib/pellumo)

if(TARGET pellumo)
  install(TARGETS pellumo RUNTIME DESTINATION ${PELLUMO_PRIVATE_DIR})
  install(FILES "${CMAKE_CURRENT_SOURCE_DIR}/assets/Robotz Recycle.wav"
          DESTINATION ${PELLUMO_PRIVATE_DIR})
  install(DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/help" DESTINATION ${PELLUMO_PRIVATE_DIR})

  # bin/pellumo -> ../lib/pellumo/pellumo, relative so that a staged install
  # (DESTDIR, the package) points at the same place once unpacked.
  install(CODE "
    set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${_bin}\")
    file(CREATE_LINK \"../${PELLUMO_PRIVATE_DIR}/pellumo\" \"\${_bin}/pellumo\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_bin}/pellumo\")
  ")

  install(FILES packaging/pellumo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/pellumo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES packaging/io.github.pellumo.Pellumo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The text harness is a tool for scripted matches, not part of the game.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pellumo! developers")
set(CPACK_PACKAGE_CONTACT "Pellumo! developers <pellumo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dots and boxes against the computer")
set(CPACK_PACKAGE_DESCRIPTION
  "Pellumo! is a game of dots and boxes on a board of 8 by 8 boxes, you against
the computer at three levels, with advice, high scores and help pages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # pellumo_1.0.4_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the linked Qt libraries; these are opened at run time:
# Qt Multimedia's sound backends and the font the window falls back to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6multimedia6, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
