# The 64-bit test build. GoogleTest needs std::mutex, hence the posix thread model.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HUESET_TRIPLE x86_64-w64-mingw32)
set(HUESET_THREADS posix)
set(HUESET_WINE_NAMES wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
