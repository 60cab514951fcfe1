# 64-bit Windows (package g++-mingw-w64-x86-64): the same program and tests
# as the 32-bit build, for a machine whose kernel runs no 32-bit x86 code and
# so no 32-bit Wine. Its programs run under Wine's 64-bit loader (package
# wine64), which Debian keeps off the PATH.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(flopdir_triple x86_64-w64-mingw32)
find_program(flopdir_wine NAMES wine64 wine PATHS /usr/lib/wine NO_CACHE)
if(NOT flopdir_wine)
  set(flopdir_wine wine64)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)
