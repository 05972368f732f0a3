# Install rules in three components, which a shared build packages as the
# three packages that Debian and Fedora make of a shared library:
# - Library: the shared library (libconversions.so.1*, or the DLL);
# - Development: the header, the static or import library and the versionless
#   .so link, the CMake package (find_package(conversions) gives
#   conversions::conversions), conversions.pc and the manual page;
# - Runtime: the program and its manual page.
# Each package's documents are below.
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

# What an install is for, known only when it runs: CONVERSIONS_PACKAGE_FORMAT
# is "archive", "deb" or "rpm" when cpack stages a package of that format
# (cpack-generator.cmake sets it), and unset for cmake --install.
# conversions_install_path(var dir): dir as the install script sees it, under
# the install's own prefix (a package's /usr, or cmake --install --prefix).
function(conversions_install_path var dir)
  if(IS_ABSOLUTE "${dir}")
    set(${var} "${dir}" PARENT_SCOPE)
  else()
    set(${var} "\${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# The .pc files, written when installing, so that prefix is the one of this
# install; the other folders are relative to it, so that
# pkg-config --define-variable=prefix=... moves them all. An archive unpacks
# anywhere, so its prefix is found from the .pc file's own folder
# (${pcfiledir}/../../..). Everywhere else it is the install's absolute
# prefix, as a plain path: /usr in the .deb and the .rpm, where pkg-config
# drops -I/usr/include only when it reads exactly that (an explicit
# -I/usr/include would break #include_next in the C++ headers and turn
# the warnings of system headers on). conversions.pc links the library;
# conversions-header-only.pc only selects the header-only mode.
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
set(pc_to_prefix "")
if(NOT IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  file(RELATIVE_PATH pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig
    /prefix)
  string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
endif()
set(CONVERSIONS_PC_PREFIX "@CONVERSIONS_PC_PREFIX@")
foreach(pc conversions conversions-header-only)
  # Everything but the prefix now; the prefix at install time.
  set(pc_file ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc)
  configure_file(cmake/${pc}.pc.in ${pc_file}.in @ONLY)
  set(code [[
    set(CONVERSIONS_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
    if(CONVERSIONS_PACKAGE_FORMAT STREQUAL "archive"
       AND NOT "@pc_to_prefix@" STREQUAL "")
      set(CONVERSIONS_PC_PREFIX "\${pcfiledir}/@pc_to_prefix@")
    endif()
    configure_file("@pc_file@.in" "@pc_file@" @ONLY)
  ]])
  string(CONFIGURE "${code}" code @ONLY)
  install(CODE "${code}" COMPONENT Development)
  install(FILES ${pc_file}
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)
endforeach()

# Documentation, once per package: in a shared build each of the three
# components has its own; a static build makes one package, whose documents
# come with the Development component. In a .deb, and with cmake --install,
# the license, the Debian copyright file and the changelog go into
# share/doc/<Debian package>. An .rpm has its own changelog and marks the
# license as %license, which Fedora keeps in share/licenses/<package>.
# Debian wants the changelog and
# the man pages compressed with gzip -9n: no name or timestamp inside, so the
# bytes are reproducible. The folders are named here, not taken from
# CMAKE_INSTALL_DOCDIR, which a parent project may have set for its own
# name. The list: component, Debian package, Fedora package.
if(conversions_type STREQUAL "SHARED_LIBRARY")
  set(conversions_packages
    Library libconversions${PROJECT_VERSION_MAJOR} conversions
    Development libconversions-dev conversions-devel
    Runtime truncdemo truncdemo)
  if(NOT TARGET truncdemo)
    list(REMOVE_AT conversions_packages -3 -2 -1)
  endif()
else()
  set(conversions_packages Development conversions conversions-static)
endif()
find_program(CONVERSIONS_GZIP gzip)
# conversions_gzipped(name var): packaging/<name> configured into the build
# folder, compressed when gzip is there; var names the result.
function(conversions_gzipped name var)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(packaging/${name} ${file} @ONLY)
  if(CONVERSIONS_GZIP)
    execute_process(COMMAND ${CONVERSIONS_GZIP} -9nc
      INPUT_FILE ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
    set(file ${file}.gz)
  endif()
  set(${var} ${file} PARENT_SCOPE)
endfunction()
function(conversions_install_gzipped name destination component)
  conversions_gzipped(${name} file)
  install(FILES ${file} DESTINATION ${destination} COMPONENT ${component})
endfunction()
conversions_gzipped(changelog changelog)
conversions_install_path(docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc)
conversions_install_path(licensedir ${CMAKE_INSTALL_DATAROOTDIR}/licenses)
set(code [[
  set(files "@PROJECT_SOURCE_DIR@/LICENSE")
  set(dir "@licensedir@/@rpm_name@")
  if(NOT CONVERSIONS_PACKAGE_FORMAT STREQUAL "rpm")
    list(APPEND files "@PROJECT_SOURCE_DIR@/packaging/copyright" "@changelog@")
    set(dir "@docdir@/@deb_name@")
  endif()
  file(INSTALL ${files} DESTINATION "${dir}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
]])
set(packages ${conversions_packages})
while(packages)
  list(POP_FRONT packages component deb_name rpm_name)
  string(CONFIGURE "${code}" component_code @ONLY)
  install(CODE "${component_code}" COMPONENT ${component})
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
