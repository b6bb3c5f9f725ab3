# The shipped 32-bit build. The win32 thread model keeps winpthread out of the program.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HUESET_TRIPLE i686-w64-mingw32)
set(HUESET_THREADS win32)
set(HUESET_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
