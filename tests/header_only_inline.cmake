# Header-only mode with constant arguments leaves no call to the routines
# themselves: my_atoi(s, 10) and my_itoa(v, buf, 4, 10) are inlined whole,
# and the constant width folds my_itoa's switch to that width's code, so the
# writer of wider fields is never named.
# usage: cmake -DCXX=c++ -DSOURCE_DIR=src -P header_only_inline.cmake
execute_process(
  COMMAND ${CXX} -std=c++17 -O2 -S -o - -DCONVERSIONS_HEADER_ONLY
    -I${SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR}/header_only_inline.cpp
  RESULT_VARIABLE failed OUTPUT_VARIABLE asm ERROR_VARIABLE err)
if(failed)
  message(FATAL_ERROR "does not compile:\n${err}")
endif()
foreach(name my_atoi my_itoa format_wide)
  if(asm MATCHES "${name}")
    message(FATAL_ERROR "the assembly still names ${name}:\n${asm}")
  endif()
endforeach()
message(STATUS "my_atoi and my_itoa inlined, the constant width folded")
