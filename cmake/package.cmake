# `cpack` in a build folder makes a .tar.gz of the install tree and Debian
# packages, `cpack -G RPM` RPM packages: from a static build one package
# holding everything (`conversions`, or `conversions-static` as an RPM, so
# that it is not taken for the shared library's); from a shared build the
# three that Debian and Fedora make of a shared library (below). Every
# package is installed into /usr, laid out as the build folder was
# configured (the release and shared presets configure for /usr, so that
# GNUInstallDirs picks the system's library folder).
set(CPACK_PACKAGE_NAME conversions)
set(CPACK_PACKAGE_VENDOR "The conversions developers")
set(CPACK_PACKAGE_CONTACT "${CONVERSIONS_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")
# Read by cpack once per generator: it tells the install rules which format
# they install for, and finds the Debian library package's dependencies.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-generator.cmake)

# Each package's synopsis (capitalised for RPM) and description.
set(library_text
  "Its routines: truncate turns a float into an unsigned 32-bit integer through
a signed 64-bit intermediate, wrapping modulo 2^32 and defined for every
input; my_itoa writes a non-negative integer as a zero-padded, fixed-width
digit string in any radix; my_atoi reads such a string back.")
set(conversions_summary
  "float, integer and fixed-width digit string conversion routines")
set(conversions_description
  "A small C++20 library of numeric conversions.
${library_text}
Also the truncdemo program, the headers (with the header-only mode), the
static library, a CMake package and pkg-config files.")
set(Library_summary
  "shared library of float, integer and digit string conversion routines")
set(Library_description
  "The shared library of a small C++20 library of numeric conversions.
${library_text}")
set(Development_summary "development files for the conversions library")
set(Development_description
  "The files for building against libconversions: the headers conversions.h
and conversions-inl.h (the definitions, for the header-only mode), the link
to the shared library, a CMake package (conversions::conversions and
conversions::header_only), the pkg-config files conversions and
conversions-header-only, and the manual page conversions(3).")
set(Runtime_summary
  "demonstration of the conversions library's float truncation")
set(Runtime_description
  "The truncdemo program: it waits for a key, prints one float constant
truncated to a 32-bit integer by the conversions library, and waits for one
more key.")
# CPack gives every RPM a Group tag, which Fedora no longer reads: these are
# the traditional groups (rpmlint wants Development/ for a -devel package).
set(Library_group "System Environment/Libraries")
set(Development_group "Development/Libraries")
set(Runtime_group "Applications/System")
# conversions_descriptions(deb_prefix rpm_prefix name): the Debian and RPM
# variables for the package of that name, each with the synopsis where that
# format wants it.
function(conversions_descriptions deb_prefix rpm_prefix name)
  # Debian: the synopsis is the description's first line.
  set(${deb_prefix}_DESCRIPTION "${${name}_summary}\n${${name}_description}"
    PARENT_SCOPE)
  # RPM: a summary of its own, starting with a capital.
  string(SUBSTRING "${${name}_summary}" 0 1 first)
  string(SUBSTRING "${${name}_summary}" 1 -1 rest)
  string(TOUPPER "${first}" first)
  set(${rpm_prefix}_SUMMARY "${first}${rest}" PARENT_SCOPE)
  set(${rpm_prefix}_DESCRIPTION "${${name}_description}" PARENT_SCOPE)
endfunction()

# Debian: version without a Debian revision (the project makes its own
# packages), dependencies found by dpkg-shlibdeps.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# RPM: Fedora's conventions (rpmlint -c packaging/rpmlint.toml checks
# them). Release 1 of each version; the changelog made from Debian's; the
# license marked as such (install.cmake puts it where Fedora's %license
# does); and no folder that another package owns: the filesystem package
# owns /usr, its bin, lib64, include, share, doc, man and licenses folders
# and the man page sections, pkgconf lib64/pkgconfig and cmake lib64/cmake.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE MIT)  # an SPDX identifier, as Fedora's are
set(CPACK_PACKAGE_RELOCATABLE OFF)  # /usr only, as Fedora's
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${CONVERSIONS_MAINTAINER}")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION)
foreach(dir ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_INCLUDEDIR}
    ${CMAKE_INSTALL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_LIBDIR}/cmake
    ${CMAKE_INSTALL_MANDIR}/man1 ${CMAKE_INSTALL_MANDIR}/man3
    ${CMAKE_INSTALL_DATAROOTDIR}/doc ${CMAKE_INSTALL_DATAROOTDIR}/licenses)
  while(dir AND NOT IS_ABSOLUTE "${dir}")
    list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/${dir})
    get_filename_component(dir "${dir}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION)
# The changelog, from Debian's: each entry's heading becomes
# "* <date> <maintainer> - <version>-1" and each "  * " item a "- " one.
file(READ ${PROJECT_BINARY_DIR}/changelog debian_changelog)
# Two bytes that the text does not hold: one marks where each entry starts,
# one stands for ';', which would split the list of entries.
string(ASCII 30 mark)
string(ASCII 31 semicolon)
string(REPLACE ";" "${semicolon}" debian_changelog "${debian_changelog}")
string(REGEX REPLACE "(^|\n)[^ \n][^\n]* \\(([^)]*)\\)[^\n]*\n"
  "${mark}\\2\n" entries "${debian_changelog}")
string(REGEX MATCHALL "${mark}[^${mark}]*" entries "${entries}")
set(rpm_changelog "")
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES "^${mark}([^\n]*)\n(.*)\n -- ([^\n]*)  \
([A-Z][a-z]+), ([0-9]+) ([A-Z][a-z]+) ([0-9]+) ")
    message(FATAL_ERROR "packaging/changelog: cannot read the entry\n${entry}")
  endif()
  set(version ${CMAKE_MATCH_1})
  set(items "${CMAKE_MATCH_2}")
  set(date "${CMAKE_MATCH_4} ${CMAKE_MATCH_6} ${CMAKE_MATCH_5} ${CMAKE_MATCH_7}")
  set(heading "* ${date} ${CMAKE_MATCH_3} - ${version}-1")
  string(REGEX REPLACE "(^|\n)  \\* " "\\1- " items "${items}")
  string(STRIP "${items}" items)
  string(REGEX REPLACE "\n    " "\n  " items "${items}")
  string(REGEX REPLACE "\n\n+" "\n" items "${items}")
  string(APPEND rpm_changelog "${heading}\n${items}\n\n")
endforeach()
string(STRIP "${rpm_changelog}" rpm_changelog)
string(REPLACE "${semicolon}" ";" rpm_changelog "${rpm_changelog}")
file(WRITE ${PROJECT_BINARY_DIR}/rpm/changelog "${rpm_changelog}\n")
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm/changelog)

if(conversions_type STREQUAL "SHARED_LIBRARY")
  # A shared build: one package per install component, named as each
  # distribution names them (install.cmake's list). The development package
  # and the program take the place of a static build's single package, which
  # holds the same files.
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_RPM_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL)
  set(packages ${conversions_packages})
  while(packages)
    list(POP_FRONT packages component deb_name rpm_name)
    string(TOUPPER ${component} COMPONENT)
    list(APPEND CPACK_COMPONENTS_ALL ${component})
    set(CPACK_DEBIAN_${COMPONENT}_PACKAGE_NAME ${deb_name})
    set(CPACK_RPM_${COMPONENT}_PACKAGE_NAME ${rpm_name})
    set(${COMPONENT}_deb_name ${deb_name})
    set(${COMPONENT}_rpm_name ${rpm_name})
    conversions_descriptions(CPACK_DEBIAN_${COMPONENT}
      CPACK_RPM_${COMPONENT}_PACKAGE ${component})
    set(CPACK_RPM_${COMPONENT}_PACKAGE_GROUP ${${component}_group})
    set(CPACK_RPM_${COMPONENT}_USER_FILELIST
      "%license /usr/${CMAKE_INSTALL_DATAROOTDIR}/licenses/${rpm_name}/LICENSE")
  endwhile()
  set(library_package ${LIBRARY_deb_name})
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION utils)
  # The library package: a shlibs file, so that packages built against it
  # depend on this version or later (the ABI only grows within a SONAME),
  # and the ldconfig trigger instead of maintainer scripts calling ldconfig.
  # CPack writes such scripts into any package whose files it scans (for
  # dpkg-shlibdeps or a shlibs file) and finds a library under /usr/lib in.
  # So this package is not scanned: the shlibs file is written here, and its
  # dependencies are found by cpack-generator.cmake.
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_SHLIBDEPS OFF)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/deb-library/shlibs
    CONTENT "libconversions ${PROJECT_VERSION_MAJOR} ${library_package} (>= ${PROJECT_VERSION})\n")
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/triggers
    ${PROJECT_BINARY_DIR}/deb-library/shlibs)
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # The library in this build folder, for cpack-generator.cmake: one file
  # per configuration, the build type's in a single-configuration build.
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/deb-library/$<CONFIG>.path
    CONTENT "$<TARGET_FILE:conversions>")
  set(CPACK_CONVERSIONS_DEB_LIBRARY_DIR ${PROJECT_BINARY_DIR}/deb-library)
  set(CPACK_CONVERSIONS_BUILD_TYPE "${CMAKE_BUILD_TYPE}")
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "${library_package} (= ${PROJECT_VERSION})")
  # dpkg-shlibdeps cannot tell which package holds a library that is only in
  # this build, so the program names it the way the shlibs file above would.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
    "${library_package} (>= ${PROJECT_VERSION})")
  foreach(component DEVELOPMENT RUNTIME)
    set(CPACK_DEBIAN_${component}_PACKAGE_CONFLICTS conversions)
    set(CPACK_DEBIAN_${component}_PACKAGE_REPLACES conversions)
  endforeach()
  # RPM finds the program's dependency on libconversions.so.1 itself; the
  # versions are named as for Debian, and the static build's package is
  # replaced the same way.
  set(CPACK_RPM_DEVELOPMENT_PACKAGE_REQUIRES
    "${LIBRARY_rpm_name}%{?_isa} = ${PROJECT_VERSION}-${CPACK_RPM_PACKAGE_RELEASE}")
  set(CPACK_RPM_RUNTIME_PACKAGE_REQUIRES
    "${LIBRARY_rpm_name}%{?_isa} >= ${PROJECT_VERSION}")
  set(CPACK_RPM_DEVELOPMENT_PACKAGE_CONFLICTS conversions-static)
  set(CPACK_RPM_RUNTIME_PACKAGE_CONFLICTS conversions-static)
else()
  conversions_descriptions(CPACK_DEBIAN_PACKAGE CPACK_RPM_PACKAGE conversions)
  set(CPACK_RPM_PACKAGE_NAME conversions-static)
  set(CPACK_RPM_PACKAGE_GROUP ${Development_group})
  set(CPACK_RPM_USER_FILELIST
    "%license /usr/${CMAKE_INSTALL_DATAROOTDIR}/licenses/conversions-static/LICENSE")
endif()

include(CPack)
