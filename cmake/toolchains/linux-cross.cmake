# Cross-compiles for another Linux machine with Debian's g++-<triple> and runs
# what it builds under qemu-user (package qemu-user), with Debian's libraries
# for that machine from /usr/<triple>. Included by a toolchain file per
# machine, which sets CMAKE_SYSTEM_PROCESSOR, flopdir_triple and flopdir_qemu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${flopdir_triple}-gcc)
set(CMAKE_CXX_COMPILER ${flopdir_triple}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${flopdir_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${flopdir_qemu} -L /usr/${flopdir_triple})
