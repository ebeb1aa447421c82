# Fails when a file of a plain C++ layer includes a Qt header.
#   cmake -DFILES=<file;...> -P check-no-qt.cmake
# Run by the test layers.no_qt_in_core with the sources and headers of every
# layer not marked QT (cmake/layers.cmake).
if(NOT FILES)
  message(FATAL_ERROR "no files to check")
endif()
set(found "")
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(APPEND found "\n  ${file}: ${line}")
  endforeach()
endforeach()
list(LENGTH FILES count)
if(found)
  message(FATAL_ERROR "Qt headers in the plain C++ layers:${found}")
endif()
message(STATUS "${count} files of the plain C++ layers, none includes a Qt header")
