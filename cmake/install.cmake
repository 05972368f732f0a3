# Installs the library, its header and the program, with a CMake package
# (find_package(conversions) gives conversions::conversions) and conversions.pc.
include(CMakePackageConfigHelpers)

set(CONVERSIONS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/conversions)

install(TARGETS conversions EXPORT conversionsTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS truncdemo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT conversionsTargets NAMESPACE conversions::
  DESTINATION ${CONVERSIONS_CMAKE_DIR})

configure_package_config_file(cmake/conversionsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfig.cmake
  INSTALL_DESTINATION ${CONVERSIONS_CMAKE_DIR})
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfigVersion.cmake
  DESTINATION ${CONVERSIONS_CMAKE_DIR})

# The .pc file finds its prefix from its own place, so that an install with
# `cmake --install --prefix` elsewhere stays usable. Absolute install dirs are
# written as they are.
file(RELATIVE_PATH CONVERSIONS_PC_TO_PREFIX
  /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
set(CONVERSIONS_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
set(CONVERSIONS_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(CONVERSIONS_PC_LIBDIR "${CMAKE_INSTALL_FULL_LIBDIR}")
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(CONVERSIONS_PC_INCLUDEDIR "${CMAKE_INSTALL_FULL_INCLUDEDIR}")
endif()
configure_file(cmake/conversions.pc.in
  ${CMAKE_CURRENT_BINARY_DIR}/conversions.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/conversions.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
