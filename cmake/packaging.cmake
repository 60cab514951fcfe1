# cpack makes a .deb on Linux and a .zip for Windows from the install rules.
set(CPACK_PACKAGE_NAME flopdir)
set(CPACK_PACKAGE_VENDOR "The flopdir developers")
set(CPACK_PACKAGE_CONTACT "The flopdir developers <flopdir@invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "flopdir reads the directory of a 2D or 2DD floppy disk kept as a D88 image file and prints one line, NAME.EXT, for each file on it.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win32)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # The release build is linked statically: the package depends on nothing.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
endif()

include(CPack)
