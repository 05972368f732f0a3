# `cpack` in a build folder makes a .tar.gz of the install tree and Debian
# packages: from a static build one, `conversions`, holding everything; from
# a shared build Debian's three for a shared library (below).
set(CPACK_PACKAGE_NAME conversions)
set(CPACK_PACKAGE_VENDOR "The conversions developers")
set(CPACK_PACKAGE_CONTACT "${CONVERSIONS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "numeric conversions between floats, integers and digit strings")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")

# Debian: version without a Debian revision (the project makes its own
# packages), dependencies found by dpkg-shlibdeps.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary is the synopsis line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A small C++20 library: truncate turns a float into an unsigned 32-bit
integer through a signed 64-bit intermediate, wrapping modulo 2^32 and
defined for every input; my_itoa writes a non-negative integer as a
zero-padded, fixed-width digit string in any radix; my_atoi reads such a
string back. Also the truncdemo program, the header, the library, a CMake
package and a pkg-config file.")

# A shared build: one package per install component, named as Debian names
# them. The development package and the program take the place of a static
# build's single package, which holds the same files.
if(conversions_type STREQUAL "SHARED_LIBRARY")
  set(library_package libconversions${PROJECT_VERSION_MAJOR})
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL Library Development Runtime)
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME ${library_package})
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libconversions-dev)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME truncdemo)
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION utils)
  # The library package: a shlibs file, so that packages built against it
  # depend on this version or later (the ABI only grows within a SONAME),
  # and the ldconfig trigger instead of maintainer scripts calling ldconfig.
  # CPack writes such scripts into any package whose files it scans (for
  # dpkg-shlibdeps or a shlibs file) and finds a library under /usr/lib in.
  # So this package is not scanned: the shlibs file is written here, and its
  # dependencies are found once cpack has staged its files
  # (deb-library-depends.cmake).
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_SHLIBDEPS OFF)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/deb-library/shlibs
    CONTENT "libconversions ${PROJECT_VERSION_MAJOR} ${library_package} (>= ${PROJECT_VERSION})\n")
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/triggers
    ${PROJECT_BINARY_DIR}/deb-library/shlibs)
  set(CPACK_PRE_BUILD_SCRIPTS
    ${CMAKE_CURRENT_LIST_DIR}/deb-library-depends.cmake)
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_STRICT_PERMISSION ON)
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
  # Below the shared synopsis line, what each package holds.
  set(CPACK_DEBIAN_LIBRARY_DESCRIPTION
    "The shared library: truncate turns a float into an unsigned 32-bit
integer through a signed 64-bit intermediate, wrapping modulo 2^32 and
defined for every input; my_itoa writes a non-negative integer as a
zero-padded, fixed-width digit string in any radix; my_atoi reads such a
string back.")
  set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
    "The files for building against libconversions: the header, the link to
the shared library, a CMake package, a pkg-config file and the manual page
conversions(3).")
  set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
    "The truncdemo program: it waits for a key, prints one float constant
truncated to a 32-bit integer by the conversions library, and waits for one
more key.")
endif()

include(CPack)
