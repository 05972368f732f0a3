# Install rules in three components, which a shared build packages as
# Debian's three packages for a shared library:
# - Library: the shared library (libconversions.so.1*, or the DLL);
# - Development: the header, the static or import library and the versionless
#   .so link, the CMake package (find_package(conversions) gives
#   conversions::conversions), conversions.pc and the manual page;
# - Runtime: the program and its manual page.
# Each puts the license, the Debian copyright file and the changelog into its
# documentation folder: share/doc/conversions in a static build (one
# package), and share/doc/<package> in a shared one.
include(CMakePackageConfigHelpers)

set(CONVERSIONS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/conversions)
set(CONVERSIONS_MAINTAINER
  "The conversions developers <conversions@example.org>" CACHE STRING
  "Maintainer named in the Debian package and its changelog")

install(TARGETS conversions conversions_header_only EXPORT conversionsTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Library
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Library
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

# The .pc files, written when installing, so that prefix is the one of this
# install (cmake --install --prefix, or /usr in the Debian package), as a
# plain absolute path; the other folders are relative to it, so that
# pkg-config --define-variable=prefix=... moves them all. conversions.pc
# links the library; conversions-header-only.pc only selects the header-only
# mode.
set(CONVERSIONS_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
set(CONVERSIONS_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(CONVERSIONS_PC_LIBDIR "${CMAKE_INSTALL_FULL_LIBDIR}")
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(CONVERSIONS_PC_INCLUDEDIR "${CMAKE_INSTALL_FULL_INCLUDEDIR}")
endif()
set(CONVERSIONS_PC_CFLAGS " -DCONVERSIONS_STATIC")
if(conversions_type STREQUAL "SHARED_LIBRARY")
  set(CONVERSIONS_PC_CFLAGS "")
  if(WIN32 OR CYGWIN)
    set(CONVERSIONS_PC_CFLAGS " -DCONVERSIONS_DLL")
  endif()
endif()
set(CONVERSIONS_PC_PREFIX "@CONVERSIONS_PC_PREFIX@")
foreach(pc conversions conversions-header-only)
  # Everything but the prefix now; the prefix at install time.
  configure_file(cmake/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc.in
    @ONLY)
  install(CODE "
    set(CONVERSIONS_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    configure_file(\"${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc.in\"
      \"${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc\" @ONLY)"
    COMPONENT Development)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)
endforeach()

# Documentation. Debian wants the changelog and the man pages compressed with
# gzip -9n: no name or timestamp inside, so the bytes are reproducible. The
# folder is named here, not taken from CMAKE_INSTALL_DOCDIR, which a parent
# project may have set for its own name.
if(conversions_type STREQUAL "SHARED_LIBRARY")
  set(conversions_docs Library libconversions${PROJECT_VERSION_MAJOR}
    Development libconversions-dev Runtime truncdemo)
else()
  set(conversions_docs Development conversions Runtime conversions)
endif()
if(NOT TARGET truncdemo)
  list(REMOVE_AT conversions_docs -2 -1)
endif()
find_program(CONVERSIONS_GZIP gzip)
function(conversions_install_gzipped name destination component)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(packaging/${name} ${file} @ONLY)
  if(CONVERSIONS_GZIP)
    execute_process(COMMAND ${CONVERSIONS_GZIP} -9nc
      INPUT_FILE ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
    set(file ${file}.gz)
  endif()
  install(FILES ${file} DESTINATION ${destination} COMPONENT ${component})
endfunction()
while(conversions_docs)
  list(POP_FRONT conversions_docs component folder)
  set(dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${folder})
  install(FILES LICENSE packaging/copyright DESTINATION ${dir}
    COMPONENT ${component})
  conversions_install_gzipped(changelog ${dir} ${component})
endwhile()

# The routines' page, and the names it covers as links to it (no truncate.3,
# which would stand in front of the POSIX page).
conversions_install_gzipped(conversions.3 ${CMAKE_INSTALL_MANDIR}/man3
  Development)
set(page conversions.3)
if(CONVERSIONS_GZIP)
  set(page conversions.3.gz)
endif()
foreach(name my_itoa my_atoi reverse_char)
  string(REPLACE conversions ${name} link ${page})
  file(CREATE_LINK ${page} ${CMAKE_CURRENT_BINARY_DIR}/${link} SYMBOLIC)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${link}
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man3 COMPONENT Development)
endforeach()

if(TARGET truncdemo)
  install(TARGETS truncdemo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT Runtime)
  conversions_install_gzipped(truncdemo.1 ${CMAKE_INSTALL_MANDIR}/man1 Runtime)
endif()
