# Run by cpack once it has staged the files (CPACK_PRE_BUILD_SCRIPTS): the
# Debian library package's dependencies, as dpkg-shlibdeps finds them for its
# shared library. CPack leaves that package unscanned (package.cmake says
# why); without dpkg-shlibdeps, as CPack itself, it names none.
find_program(CONVERSIONS_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CPACK_GENERATOR STREQUAL "DEB" AND CONVERSIONS_DPKG_SHLIBDEPS)
  file(GLOB_RECURSE files LIST_DIRECTORIES false
    ${CPACK_TEMPORARY_DIRECTORY}/Library/*.so.*)
  set(libraries)
  foreach(file IN LISTS files)
    if(NOT IS_SYMLINK ${file})
      list(APPEND libraries ${file})
    endif()
  endforeach()
  # It reads debian/control in its working folder.
  set(dir ${CPACK_TOPLEVEL_DIRECTORY}/library-depends)
  file(WRITE ${dir}/debian/control "")
  execute_process(COMMAND ${CONVERSIONS_DPKG_SHLIBDEPS} -O ${libraries}
    WORKING_DIRECTORY ${dir} RESULT_VARIABLE failed
    OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(failed OR NOT out MATCHES "shlibs:Depends=([^\n]*)")
    message(FATAL_ERROR "dpkg-shlibdeps on ${libraries}:\n${out}${err}")
  endif()
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
endif()
