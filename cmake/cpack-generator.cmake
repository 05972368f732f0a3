# Read by cpack once per generator, before it stages the files
# (CPACK_PROJECT_CONFIG_FILE).

# Which format the install rules install for (install.cmake): an archive
# unpacks anywhere, a .deb and an .rpm into /usr.
if(CPACK_GENERATOR MATCHES "^(7Z|STGZ|TBZ2|TGZ|TXZ|TZ|TZST|ZIP)$")
  set(format archive)
elseif(CPACK_GENERATOR STREQUAL "DEB")
  set(format deb)
elseif(CPACK_GENERATOR STREQUAL "RPM")
  set(format rpm)
else()
  set(format "")
endif()
list(APPEND CPACK_CUSTOM_INSTALL_VARIABLES CONVERSIONS_PACKAGE_FORMAT=${format})
# A shared library's mode, whatever CMake's default on the build host: 644 in
# a .deb, as Debian's policy has it; 755 in an .rpm, since rpmbuild strips
# and scans only executable files for debug information and dependencies.
if(format STREQUAL "deb")
  list(APPEND CPACK_CUSTOM_INSTALL_VARIABLES CMAKE_INSTALL_SO_NO_EXE=1)
elseif(format STREQUAL "rpm")
  list(APPEND CPACK_CUSTOM_INSTALL_VARIABLES CMAKE_INSTALL_SO_NO_EXE=0)
endif()

if(format STREQUAL "deb")
  # Each description's first line is its own package's synopsis; CPack would
  # put the project's summary in front of every package's.
  unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
endif()

# The Debian library package's dependencies, as dpkg-shlibdeps finds them for
# the library (package.cmake says why CPack does not scan that package). It
# reads the library in the build folder, which is what cpack stages: CPack
# has no hook that hands a script the staged files of one package, only
# CPACK_PRE_BUILD_SCRIPTS, which sees its staging folder, whose layout is
# CPack's own. Without dpkg-shlibdeps, as with CPack's own scan, none.
find_program(CONVERSIONS_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(format STREQUAL "deb" AND CPACK_CONVERSIONS_DEB_LIBRARY_DIR
   AND CONVERSIONS_DPKG_SHLIBDEPS)
  set(dir ${CPACK_CONVERSIONS_DEB_LIBRARY_DIR})
  set(config "${CPACK_BUILD_CONFIG}")
  if(NOT config)
    set(config "${CPACK_CONVERSIONS_BUILD_TYPE}")
  endif()
  if(NOT EXISTS ${dir}/${config}.path)
    message(FATAL_ERROR "no library built for configuration '${config}': \
build it, or name the one built with cpack -C")
  endif()
  file(READ ${dir}/${config}.path library)
  # It reads debian/control in its working folder.
  file(WRITE ${dir}/debian/control "")
  execute_process(COMMAND ${CONVERSIONS_DPKG_SHLIBDEPS} -O ${library}
    WORKING_DIRECTORY ${dir} RESULT_VARIABLE failed
    OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(failed OR NOT out MATCHES "shlibs:Depends=([^\n]*)")
    message(FATAL_ERROR "dpkg-shlibdeps on ${library}:\n${out}${err}")
  endif()
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
endif()
