# Cross-compiles for Windows with Debian's MinGW-w64 toolchain and runs what
# it builds under Wine, through wine-run.sh beside it. Included by a toolchain
# file per machine, which sets CMAKE_SYSTEM_PROCESSOR, flopdir_triple and
# flopdir_wine (the Wine loader for that machine's programs).
# The posix thread model is needed: GoogleTest uses std::mutex.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${flopdir_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${flopdir_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${flopdir_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${flopdir_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program is linked statically (the C++ runtime, libgcc and
# winpthread included), so that it runs with no DLL beside it. No time stamp
# in the PE header: two builds of one commit give the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${flopdir_wine})
