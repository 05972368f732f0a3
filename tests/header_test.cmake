# The public header as users compile it: clean under C++11 to C++20 with
# -Wpedantic -Werror, with the version of project(VERSION), and with a
# warning for a dropped my_itoa result from C++17 on. Header-only mode is
# compiled to assembly, so that the code generator's warnings (always_inline)
# count too.
# usage: cmake -DCXX=c++ -DSOURCE_DIR=src -DVERSION=1.2.3 "-DDEFINES=A;B"
#          -P header_test.cmake
string(REPLACE "." ";" version "${VERSION}")
list(GET version 0 major)
list(GET version 1 minor)
list(GET version 2 patch)
set(compile ${CXX} -Wall -Wextra -Wpedantic -I${SOURCE_DIR}
  -DEXPECTED_MAJOR=${major} -DEXPECTED_MINOR=${minor} -DEXPECTED_PATCH=${patch}
  ${CMAKE_CURRENT_LIST_DIR}/header_check.cpp)
foreach(define IN LISTS DEFINES)
  list(APPEND compile -D${define})
endforeach()
# clean(WHAT STD FLAGS...): compiles without a warning under C++STD.
function(clean what std)
  execute_process(COMMAND ${compile} -std=c++${std} -Werror ${ARGN}
    RESULT_VARIABLE failed ERROR_VARIABLE out)
  if(failed)
    message(FATAL_ERROR "C++${std}: ${what} does not compile cleanly:\n${out}")
  endif()
endfunction()
foreach(std 11 14 17 20)
  clean("the header" ${std} -fsyntax-only)
endforeach()
# Header-only mode compiles the definitions in the user's translation unit,
# from C++17 on: clean there too, also with the conversion warnings.
foreach(std 17 20)
  clean("header-only mode" ${std} -S -o /dev/null -Wconversion
    -Wsign-conversion -Wshadow -DCONVERSIONS_HEADER_ONLY)
endforeach()
foreach(std 17 20)
  execute_process(COMMAND ${compile} -std=c++${std} -fsyntax-only -DDROP_RESULT
    ERROR_VARIABLE out)
  if(NOT out MATCHES "my_itoa.*-Wunused-result|-Wunused-result.*my_itoa")
    message(FATAL_ERROR "C++${std}: no warning for a dropped result:\n${out}")
  endif()
endforeach()
message(STATUS "header clean under C++11 to C++20 (header-only mode from "
  "C++17), version ${VERSION}")
