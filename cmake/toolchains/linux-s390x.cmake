# 64-bit IBM Z Linux (package g++-s390x-linux-gnu): big-endian, so a
# little-endian number read byte by byte comes out right there, and one read
# by laying a word over the bytes does not.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(flopdir_triple s390x-linux-gnu)
set(flopdir_qemu qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
