# Run by cpack once the files are staged, before it packs them. Two builds of
# one commit then give the same package, whatever their folders, users and
# times.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(flopdir_epoch $ENV{SOURCE_DATE_EPOCH})
else()
  set(flopdir_epoch "${CPACK_FLOPDIR_SOURCE_DATE_EPOCH}")
endif()

if(NOT flopdir_epoch STREQUAL "")
  # The .deb's own members and control files take their time from it.
  set(ENV{SOURCE_DATE_EPOCH} ${flopdir_epoch})
  # The staged files and folders take it too.
  execute_process(COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec touch -h -d @${flopdir_epoch} {} +
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
