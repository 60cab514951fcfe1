include(GNUInstallDirs)

install(TARGETS flopdir RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The manual page, compressed as Unix systems keep them; Windows has no man.
if(NOT WIN32)
  configure_file(man/flopdir.1.in flopdir.1 @ONLY)
  file(ARCHIVE_CREATE OUTPUT ${PROJECT_BINARY_DIR}/flopdir.1.gz PATHS ${PROJECT_BINARY_DIR}/flopdir.1
       FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9)
  install(FILES ${PROJECT_BINARY_DIR}/flopdir.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
