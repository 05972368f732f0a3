# Fails when the shared object LIB exports a symbol of namespace conversions.
# usage: cmake -DNM=nm -DLIB=libplugin.so -P exports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${LIB}
  OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
if(symbols MATCHES "conversions")
  message(FATAL_ERROR "${LIB} exports the library's routines:\n${symbols}")
endif()
