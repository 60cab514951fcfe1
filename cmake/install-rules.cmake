# What cmake --install and the packages put where.
include(GNUInstallDirs)

# Folders made by the install get these modes whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The project's one address, for the Debian package and its changelog.
set(FLOPDIR_MAINTAINER "The flopdir developers <flopdir-devel@example.org>")

# A Windows user looks in the program's own folder: flopdir.exe, its licence
# and a short README.txt, with the line ends Windows programs expect.
if(WIN32)
  install(TARGETS flopdir RUNTIME DESTINATION .)
  configure_file(cmake/windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(LICENSE LICENSE @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/LICENSE ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
  return()
endif()

option(FLOPDIR_DEBIAN "Install as a Debian package: copyright and changelog as Debian policy wants them" OFF)

install(TARGETS flopdir RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Compressed as Unix systems keep manual pages and changelogs: with no name or
# time stamp in the gzip header, so that two builds give the same bytes.
find_program(FLOPDIR_GZIP gzip REQUIRED)
function(flopdir_gzip file)
  execute_process(COMMAND ${FLOPDIR_GZIP} -9 -n -c ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()

configure_file(man/flopdir.1.in flopdir.1 @ONLY)
flopdir_gzip(${PROJECT_BINARY_DIR}/flopdir.1)
install(FILES ${PROJECT_BINARY_DIR}/flopdir.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# bash-completion looks in share/bash-completion/completions under every
# folder of XDG_DATA_DIRS (/usr/local/share and /usr/share by default).
install(FILES completion/flopdir.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME flopdir)
# zsh looks for completions in share/zsh/site-functions under its prefix;
# Debian's zsh, of /usr, looks in /usr/local/share/zsh/site-functions and in
# /usr/share/zsh/vendor-completions instead. The prefix can still change at
# install time (cmake --install --prefix), so the folder is chosen then;
# the Debian package's prefix is /usr.
if(FLOPDIR_DEBIAN)
  install(FILES completion/_flopdir DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
else()
  install(CODE "
    set(zsh_folder site-functions)
    if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr/*$\")
      set(zsh_folder vendor-completions)
    endif()
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/zsh/\${zsh_folder}\" TYPE FILE
         FILES \"${PROJECT_SOURCE_DIR}/completion/_flopdir\")")
endif()

if(FLOPDIR_DEBIAN)
  # The licence as Debian's machine-readable copyright file wants it: the
  # permission notice, indented, with " ." for a blank line.
  file(READ LICENSE license)
  string(REGEX REPLACE "^.*Copyright[^\n]*\n\n" "" license "${license}")
  string(REGEX REPLACE "\n+$" "" license "${license}")
  string(REPLACE "\n\n" "\n.\n" license "${license}")
  string(REPLACE "\n" "\n " FLOPDIR_LICENSE_TEXT " ${license}")
  configure_file(cmake/debian/copyright.in copyright @ONLY)
  # A new version needs its changelog entry.
  file(STRINGS cmake/debian/changelog.in latest_entry LIMIT_COUNT 1)
  if(NOT latest_entry MATCHES "^flopdir \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "cmake/debian/changelog.in has no entry for version ${PROJECT_VERSION} on top")
  endif()
  configure_file(cmake/debian/changelog.in changelog @ONLY)
  flopdir_gzip(${PROJECT_BINARY_DIR}/changelog)
  install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
else()
  install(FILES LICENSE README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
