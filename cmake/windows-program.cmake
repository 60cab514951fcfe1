# What flopdir.exe carries as a Windows program: the UTF-16 entry point, and
# a resource with its version and its manifest.
enable_language(RC)
configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/flopdir.manifest.in flopdir.manifest @ONLY)
set(FLOPDIR_MANIFEST ${PROJECT_BINARY_DIR}/flopdir.manifest)
configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/flopdir.rc.in flopdir.rc @ONLY)
target_sources(flopdir PRIVATE ${PROJECT_BINARY_DIR}/flopdir.rc)
target_link_options(flopdir PRIVATE -municode)
# Stripped as it is linked, and so never by cpack: strip writes the current
# time into a PE header (unless SOURCE_DATE_EPOCH is set), and the .zip must
# come out the same from every build of one commit.
target_link_options(flopdir PRIVATE $<$<NOT:$<CONFIG:Debug>>:-s>)
