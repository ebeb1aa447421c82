# The version is written once, in project() in CMakeLists.txt. The program
# reads it from a generated header; the packaging's metainfo and manual page
# are configured from it in cmake/install.cmake. Included at the end of the
# top-level CMakeLists.txt, after the targets and the package settings.
set(PELLUMO_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file(startup/version.h.in "${PELLUMO_GENERATED_DIR}/startup/version.h" @ONLY)
if(TARGET pellumo_startup)
  # The About window and --version/--help.
  target_include_directories(pellumo_startup PRIVATE "${PELLUMO_GENERATED_DIR}")
endif()

if(PELLUMO_TESTS)
  # The Debian changelog's newest entry must be the version and package
  # revision being built, or the package would describe another release.
  string(REPLACE "." "\\." _version_pattern "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
  add_test(NAME packaging.changelog
    COMMAND head -n 1 "${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog")
  set_tests_properties(packaging.changelog PROPERTIES
    # CTest would split the pattern at a ";", and either half passes alone.
    PASS_REGULAR_EXPRESSION "^pellumo \\(${_version_pattern}\\) [a-z]+. urgency=[a-z]+\n$"
    TIMEOUT ${PELLUMO_TEST_TIMEOUT})
endif()
