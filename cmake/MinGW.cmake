# Cross-building the Windows edition on Debian with MinGW-w64 (scripts/build --windows):
# Windows executables, linked statically, run here through Wine. ZEL_MINGW_ARCH is i686 (the
# default: a 32-bit ZELPULT.EXE runs on every Windows, including the 32-bit ones whose DOS
# subsystem starts the programs themselves) or x86_64.
if(NOT DEFINED ZEL_MINGW_ARCH)
    set(ZEL_MINGW_ARCH i686)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZEL_MINGW_ARCH)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZEL_MINGW_ARCH})

# The POSIX thread model: C++20's <thread> and <mutex> need it; winpthreads is linked in
# statically like the rest of the run-time library.
set(ZEL_MINGW_PREFIX ${ZEL_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and test discovery run the executables through Wine, in the prefix scripts/test makes.
# A 64-bit build runs through Wine's 64-bit loader itself: plain `wine` starts the 32-bit
# half first wherever it is installed, and some hosts cannot run it.
if(ZEL_MINGW_ARCH STREQUAL "x86_64")
    find_program(ZEL_WINE NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine REQUIRED)
else()
    find_program(ZEL_WINE wine REQUIRED)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEL_WINE})
