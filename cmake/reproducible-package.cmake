# Read by cpack twice: as the project's config file, before it packages, and
# as a pre-build script, once the files are staged. Two builds of one commit
# then give the same package, whatever their folders, users and times.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(flopdir_epoch $ENV{SOURCE_DATE_EPOCH})
else()
  set(flopdir_epoch "${CPACK_FLOPDIR_SOURCE_DATE_EPOCH}")
endif()

if(NOT flopdir_epoch STREQUAL "")
  # The .deb's own members and control files take their time from it.
  set(ENV{SOURCE_DATE_EPOCH} ${flopdir_epoch})
  # The staged files and folders take it too.
  if(CPACK_TEMPORARY_INSTALL_DIRECTORY AND EXISTS "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    execute_process(COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec touch -h -d @${flopdir_epoch} {} +
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()
