# The consumer's program once more, in header-only mode through the
# conversions::header_only target, as C++17; it runs as soon as it is built,
# and a failure fails the build.
add_executable(consumer_header_only ${CMAKE_CURRENT_LIST_DIR}/consumer/main.cpp)
target_link_libraries(consumer_header_only PRIVATE conversions::header_only)
set_target_properties(consumer_header_only PROPERTIES CXX_STANDARD 17
  CXX_EXTENSIONS OFF)
add_custom_command(TARGET consumer_header_only POST_BUILD
  COMMAND consumer_header_only)
