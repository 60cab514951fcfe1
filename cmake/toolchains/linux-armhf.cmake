# 32-bit ARM Linux with hardware floating point, as on a Raspberry Pi with a
# 32-bit system (package g++-arm-linux-gnueabihf). off_t is 32 bits there
# unless a build asks for 64.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(flopdir_triple arm-linux-gnueabihf)
set(flopdir_qemu qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
