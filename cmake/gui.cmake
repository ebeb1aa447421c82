# The Qt layers of the game: the main window, the HighScore window, and the
# start-up with the windows it owns. Included by the top-level CMakeLists.txt
# when PELLUMO_GUI is ON, after the plain C++ layers they use.
find_package(Qt6 REQUIRED COMPONENTS Widgets Multimedia)

# The main window, the board widget, the flash's wait and the capture sound.
pellumo_layer(pellumo_window QT
  SOURCES window/boardwidget.cpp window/capturesound.cpp window/fonts.cpp
          window/mainwindow.cpp window/nestedwait.cpp window/twips.cpp
  HEADERS window/boardwidget.h window/capturesound.h window/fonts.h
          window/mainwindow.h window/nestedwait.h window/twips.h
          window/windowhost.h
  USES pellumo_engine pellumo_settings Qt6::Widgets Qt6::Multimedia)

# The "High Scores" window over the high-score rules.
pellumo_layer(pellumo_highscorewindow QT
  SOURCES records/highscorewindow.cpp
  HEADERS records/highscorewindow.h
  USES pellumo_highscores pellumo_window)

# Main, the host that owns the windows, the About window, the help viewer and
# the debug view.
pellumo_layer(pellumo_startup QT
  SOURCES startup/aboutwindow.cpp startup/debugview.cpp startup/gamehost.cpp
          startup/helpviewer.cpp startup/startup.cpp startup/translations.cpp
  HEADERS startup/aboutwindow.h startup/debugview.h startup/gamehost.h
          startup/helpviewer.h startup/startup.h startup/translations.h
  USES pellumo_computer pellumo_highscorewindow pellumo_window)

add_executable(pellumo startup/main.cpp)
target_link_libraries(pellumo PRIVATE pellumo_startup)
set_target_properties(pellumo PROPERTIES OUTPUT_NAME pellumo)
include(cmake/translations.cmake)

# The program finds its sound and its help pages in its own folder, so the
# build tree gets them beside the executable, as an installation would; at
# every build, so that a page edited or added is there without a relink.
add_custom_target(pellumo_data ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
          "${CMAKE_CURRENT_SOURCE_DIR}/assets/Robotz Recycle.wav"
          "$<TARGET_FILE_DIR:pellumo>/Robotz Recycle.wav"
  COMMAND ${CMAKE_COMMAND} -E copy_directory
          "${CMAKE_CURRENT_SOURCE_DIR}/help" "$<TARGET_FILE_DIR:pellumo>/help"
  VERBATIM)
add_dependencies(pellumo pellumo_data)

# The same program built for the installed layout: sound and help are read
# from the shared data folder and the settings are kept per player, never
# beside the executable. Only this one is installed; the build folder keeps
# the portable pellumo above for playing and testing in place. The layout is
# fixed here, at build time, and never guessed from permissions at run time.
include(GNUInstallDirs)
set(PELLUMO_INSTALLED_DATA_DIR
    "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/games/pellumo")
add_executable(pellumo_installed startup/main.cpp)
target_link_libraries(pellumo_installed PRIVATE pellumo_startup)
target_compile_definitions(pellumo_installed PRIVATE
  PELLUMO_INSTALLED_DATA_DIR="${PELLUMO_INSTALLED_DATA_DIR}")
set_target_properties(pellumo_installed PROPERTIES
  OUTPUT_NAME pellumo
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installed)

if(PELLUMO_TESTS)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(gui_tests
    tests/gui/guirig.cpp
    tests/gui/colourscheme_test.cpp
    tests/gui/mainwindow_test.cpp
    tests/gui/highscorewindow_test.cpp
    tests/gui/keyboard_test.cpp
    tests/gui/language_test.cpp
    tests/gui/settingsfile_test.cpp
    tests/gui/stress_test.cpp
    tests/support/fakeui.cpp
  )
  target_include_directories(gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_link_libraries(gui_tests PRIVATE pellumo_startup Qt6::Test GTest::gtest)
  # Every test writes its settings into a folder of its own; the sound and
  # the help pages are read from the source tree, the translations from the
  # build tree.
  target_compile_definitions(gui_tests PRIVATE
    PELLUMO_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    PELLUMO_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}")
  add_dependencies(gui_tests pellumo_translations)
  # What only a real window manager shows: frames, the outer size, focus and
  # keys from the X server. One at a time, on a private Xvfb with openbox.
  find_package(X11 REQUIRED)
  add_executable(xwm_tests tests/gui/guirig.cpp tests/xwm/realwindow_test.cpp tests/xwm/bells.cpp
                 tests/support/fakeui.cpp)
  target_include_directories(xwm_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_link_libraries(xwm_tests PRIVATE pellumo_startup Qt6::Test GTest::gtest X11::X11)
  target_compile_definitions(xwm_tests PRIVATE PELLUMO_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    PELLUMO_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}")
  # The real program as a player starts it, on a dark desktop.
  add_test(NAME xwm.realgame COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/xwm/run.sh
           ${CMAKE_CURRENT_SOURCE_DIR}/tests/xwm/realgame.sh $<TARGET_FILE:pellumo>
           ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(xwm.realgame PROPERTIES RUN_SERIAL ON LABELS xwm
                       TIMEOUT ${PELLUMO_TEST_TIMEOUT})
  # The same window as a native Wayland client, under a weston the test
  # program starts itself (inside the private Xvfb, for the keyboard).
  add_executable(wayland_tests tests/gui/guirig.cpp tests/wayland/wayland_test.cpp
                 tests/support/fakeui.cpp)
  target_include_directories(wayland_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_link_libraries(wayland_tests PRIVATE pellumo_startup Qt6::Test GTest::gtest)
  target_compile_definitions(wayland_tests PRIVATE PELLUMO_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}")
  # The tests' own Qt objects (keyboard_test.moc).
  set_target_properties(gui_tests xwm_tests wayland_tests PROPERTIES AUTOMOC ON)
  add_test(NAME wayland.realcompositor
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/xwm/run.sh $<TARGET_FILE:wayland_tests>)
  set_tests_properties(wayland.realcompositor PROPERTIES RUN_SERIAL ON LABELS wayland
                       TIMEOUT ${PELLUMO_TEST_TIMEOUT})
  add_test(NAME xwm.realwindow
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/xwm/run.sh $<TARGET_FILE:xwm_tests>)
  set_tests_properties(xwm.realwindow PROPERTIES RUN_SERIAL ON LABELS xwm
                       TIMEOUT ${PELLUMO_TEST_TIMEOUT})

  # A game played by keys with the real Orca listening, each on a private X
  # server and buses of its own. Orca will not run beside another of the
  # same user: one at a time.
  add_test(NAME screenreader.orca
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/tests/screenreader/orca_play.py
            $<TARGET_FILE:pellumo>)
  # Its own waits give up after 20 to 60 seconds, with what Orca said.
  set_tests_properties(screenreader.orca PROPERTIES RUN_SERIAL ON LABELS screenreader
                       TIMEOUT 180)

  # Every switch, and no display: the exact text and the exit status.
  add_test(NAME startup.switches
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/startup/switches.sh $<TARGET_FILE:pellumo>
            $<TARGET_FILE:pellumo_installed> ${PROJECT_VERSION})
  set_tests_properties(startup.switches PROPERTIES TIMEOUT ${PELLUMO_TEST_TIMEOUT})
  # The texts' contrast again under a dark desktop: qt6ct's "darker" scheme.
  add_test(NAME gui.darkdesktop COMMAND gui_tests --gtest_filter=ColourScheme.*)
  set_tests_properties(gui.darkdesktop PROPERTIES TIMEOUT ${PELLUMO_TEST_TIMEOUT} LABELS theme
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PELLUMO_TEST_COLOUR_SCHEME=${CMAKE_CURRENT_SOURCE_DIR}/tests/gui/darkdesktop")
  gtest_discover_tests(gui_tests
    DISCOVERY_TIMEOUT 60
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT ${PELLUMO_TEST_TIMEOUT} ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS gui)
endif()
