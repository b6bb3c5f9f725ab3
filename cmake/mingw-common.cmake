# Shared part of the mingw-w64 cross toolchains; the including file sets HUESET_TRIPLE,
# HUESET_THREADS (win32 or posix) and HUESET_WINE_NAMES (the Wine loader to run the build).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${HUESET_TRIPLE}-gcc-${HUESET_THREADS})
set(CMAKE_CXX_COMPILER ${HUESET_TRIPLE}-g++-${HUESET_THREADS})
set(CMAKE_RC_COMPILER ${HUESET_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HUESET_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# ctest runs the Windows programs through Wine; Debian keeps the 64-bit loader off PATH.
find_program(HUESET_WINE NAMES ${HUESET_WINE_NAMES} PATHS /usr/lib/wine /opt/wine-stable/bin)
if(HUESET_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HUESET_WINE})
endif()
