# 32-bit Windows, what flopdir ships for (package g++-mingw-w64-i686); its
# programs run under Wine's 32-bit loader (package wine32, which needs a
# machine that runs 32-bit x86 code).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(flopdir_triple i686-w64-mingw32)
set(flopdir_wine wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)
