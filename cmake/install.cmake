# Install rules in two components:
# - Runtime: the program, the shared library when built, the man page and the
#   license, copyright and changelog;
# - Development: the header, the static or import library and the versionless
#   .so link, the CMake package (find_package(conversions) gives
#   conversions::conversions), conversions.pc and the license.
include(CMakePackageConfigHelpers)

set(CONVERSIONS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/conversions)
set(CONVERSIONS_MAINTAINER
  "The conversions developers <conversions@example.org>" CACHE STRING
  "Maintainer named in the Debian package and its changelog")

install(TARGETS conversions EXPORT conversionsTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
    NAMELINK_COMPONENT Development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)
install(EXPORT conversionsTargets NAMESPACE conversions::
  DESTINATION ${CONVERSIONS_CMAKE_DIR} COMPONENT Development)

configure_package_config_file(cmake/conversionsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfig.cmake
  INSTALL_DESTINATION ${CONVERSIONS_CMAKE_DIR})
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/conversionsConfigVersion.cmake
  DESTINATION ${CONVERSIONS_CMAKE_DIR} COMPONENT Development)

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
set(CONVERSIONS_PC_CFLAGS "")
if(conversions_type STREQUAL "SHARED_LIBRARY")
  set(CONVERSIONS_PC_CFLAGS " -DCONVERSIONS_DLL")
endif()
configure_file(cmake/conversions.pc.in
  ${CMAKE_CURRENT_BINARY_DIR}/conversions.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/conversions.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

# Documentation. Debian wants the changelog and the man page compressed with
# gzip -9n: no name or timestamp inside, so the bytes are reproducible.
foreach(component Runtime Development)
  install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR}
    COMPONENT ${component})
endforeach()
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR}
  COMPONENT Runtime)
find_program(CONVERSIONS_GZIP gzip)
function(conversions_install_gzipped name destination)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(packaging/${name} ${file} @ONLY)
  if(CONVERSIONS_GZIP)
    execute_process(COMMAND ${CONVERSIONS_GZIP} -9nc
      INPUT_FILE ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
    set(file ${file}.gz)
  endif()
  install(FILES ${file} DESTINATION ${destination} COMPONENT Runtime)
endfunction()
conversions_install_gzipped(changelog ${CMAKE_INSTALL_DOCDIR})

if(TARGET truncdemo)
  install(TARGETS truncdemo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT Runtime)
  conversions_install_gzipped(truncdemo.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()
