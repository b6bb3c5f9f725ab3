# The shipped 32-bit build. The win32 thread model keeps winpthread out of the program; the
# 32-bit build of the tests takes the posix one, which GoogleTest needs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HUESET_TRIPLE i686-w64-mingw32)
if(NOT HUESET_THREADS)
  set(HUESET_THREADS win32)
endif()
set(HUESET_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
