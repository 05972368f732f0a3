# `cpack` in a build folder makes a .tar.gz of the install tree and a Debian
# package holding both components.
set(CPACK_PACKAGE_NAME conversions)
set(CPACK_PACKAGE_VENDOR "The conversions developers")
set(CPACK_PACKAGE_CONTACT "${CONVERSIONS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "numeric conversions between floats, integers and digit strings")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")

# Debian: one package, version without a Debian revision (the project makes
# its own packages), dependencies found by dpkg-shlibdeps.
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

include(CPack)
