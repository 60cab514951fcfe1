# Run by cpack as it stages the portable archive: puts the licence and the
# README at the top of the archive's folder.
file(INSTALL ${CPACK_FLOPDIR_TOP_FILES} DESTINATION ${CMAKE_INSTALL_PREFIX})
