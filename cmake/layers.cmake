# The game's layers, one static library each (docs/architecture.md). A layer
# sees only its own headers and those of the layers it uses: each gets an
# include folder of its own in the build tree,
#   <build>/include/<target>/<folder>/<header>.h
# holding links to exactly the headers it lists, and that folder is the only
# include folder it gives to the targets above it. The repository root is an
# include folder for nobody, so an include that runs the wrong way, from a
# layer to one above it, fails with "No such file or directory".
#
#   pellumo_layer(<target> [QT]
#                 SOURCES <file.cpp>...   relative to the repository root
#                 HEADERS <file.h>...     the same; these are what it exposes
#                 USES <target>...)       the layers below that it includes
#
# QT marks a layer of the window; every other layer is plain C++ and is
# scanned by the test layers.no_qt_in_core.
function(pellumo_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "SOURCES;HEADERS;USES")
  set(root ${PROJECT_SOURCE_DIR})
  set(include_dir ${PROJECT_BINARY_DIR}/include/${name})

  # Made afresh at every configure, so a header that moved away is gone.
  file(REMOVE_RECURSE ${include_dir})
  foreach(header IN LISTS arg_HEADERS)
    get_filename_component(folder ${include_dir}/${header} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${root}/${header} ${include_dir}/${header} SYMBOLIC)
  endforeach()

  list(TRANSFORM arg_SOURCES PREPEND ${root}/)
  list(TRANSFORM arg_HEADERS PREPEND ${root}/)
  add_library(${name} STATIC ${arg_SOURCES} ${arg_HEADERS})
  target_include_directories(${name} PUBLIC ${include_dir})
  target_link_libraries(${name} PUBLIC ${arg_USES})
  if(arg_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  else()
    set_property(GLOBAL APPEND PROPERTY PELLUMO_QT_FREE_FILES ${arg_SOURCES} ${arg_HEADERS})
  endif()
endfunction()
