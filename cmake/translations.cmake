# The game in German, French and Spanish: translations/pellumo_<lang>.ts,
# written by hand, built into .qm files in translations/ beside the program
# (and installed with its data, cmake/install.cmake). Included by cmake/gui.cmake.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(PELLUMO_LANGUAGES de fr es)
set(PELLUMO_TS_FILES)
foreach(lang IN LISTS PELLUMO_LANGUAGES)
  list(APPEND PELLUMO_TS_FILES ${PROJECT_SOURCE_DIR}/translations/pellumo_${lang}.ts)
endforeach()

# Every source of the Qt layers: the texts the player sees are there.
set(_tr_sources)
foreach(layer pellumo_window pellumo_highscorewindow pellumo_startup)
  get_target_property(_sources ${layer} SOURCES)
  list(APPEND _tr_sources ${_sources})
endforeach()

# `cmake --build build --target pellumo_lupdate` brings new texts into the
# .ts files; the .qm files are made at every build.
set_source_files_properties(${PELLUMO_TS_FILES}
  PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
qt_add_translations(pellumo
  TS_FILES ${PELLUMO_TS_FILES}
  SOURCES ${_tr_sources}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
  LUPDATE_OPTIONS -locations none
  QM_FILES_OUTPUT_VARIABLE PELLUMO_QM_FILES)
add_custom_target(pellumo_translations ALL DEPENDS ${PELLUMO_QM_FILES})

# A text missing from a .ts file, or one left unfinished, would show in
# English among the translated ones: the build fails instead. lrelease only
# counts them, so the check runs lupdate over the sources into a copy of
# each .ts file and reads lrelease's counts (cmake/check-translations.cmake).
set(_tr_list ${CMAKE_BINARY_DIR}/translations/sources.lst)
string(REPLACE ";" "\n" _tr_lines "${_tr_sources}")
file(WRITE ${_tr_list} "${_tr_lines}\n")
set(_stamps)
foreach(lang IN LISTS PELLUMO_LANGUAGES)
  set(_stamp ${CMAKE_BINARY_DIR}/translations/check_${lang}.stamp)
  add_custom_command(OUTPUT ${_stamp}
    COMMAND ${CMAKE_COMMAND}
            -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DLRELEASE=$<TARGET_FILE:Qt6::lrelease>
            -DTS=${PROJECT_SOURCE_DIR}/translations/pellumo_${lang}.ts
            -DSOURCES=${_tr_list} -DINCLUDE=${PROJECT_SOURCE_DIR} -DSTAMP=${_stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/check-translations.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/translations/pellumo_${lang}.ts ${_tr_sources}
            ${PROJECT_SOURCE_DIR}/cmake/check-translations.cmake
    COMMENT "Checking that every text has its ${lang} translation")
  list(APPEND _stamps ${_stamp})
endforeach()
add_custom_target(pellumo_translations_complete ALL DEPENDS ${_stamps})
add_dependencies(pellumo pellumo_translations pellumo_translations_complete)

