# cpack makes one package from the install rules, by the build flavour: a
# .deb from the deb preset, a portable .tar.gz from the release preset, a
# .zip from the win32 preset.
set(CPACK_PACKAGE_NAME flopdir)
set(CPACK_PACKAGE_VENDOR "The flopdir developers")
set(CPACK_PACKAGE_CONTACT "${FLOPDIR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # flopdir.exe is stripped as it is linked (cmake/windows-program.cmake).
  set(CPACK_STRIP_FILES OFF)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME flopdir-${PROJECT_VERSION}-win32)
elseif(FLOPDIR_DEBIAN)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "flopdir reads the directory of a 2D or 2DD floppy disk kept as a D88\n"
      "image file and prints one line, NAME.EXT, for each file on it, in the\n"
      "order the directory stores them.")
  string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
  # Depends comes from the libraries the program is linked against.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_GENERATOR TGZ)
  string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" flopdir_system)
  set(CPACK_PACKAGE_FILE_NAME flopdir-${PROJECT_VERSION}-${flopdir_system})
  # What anyone unpacking it looks for first, at the top of its folder.
  set(CPACK_INSTALL_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/archive-top-files.cmake)
  set(CPACK_FLOPDIR_TOP_FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md)
endif()

# Reproducible packages: every file in them gets the time SOURCE_DATE_EPOCH
# gives, as Debian's tools do; without it, the time of the last commit, if
# the source is a git checkout.
set(CPACK_FLOPDIR_SOURCE_DATE_EPOCH "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE CPACK_FLOPDIR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/reproducible-package.cmake)

include(CPack)
