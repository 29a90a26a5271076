# Cross-building the Windows edition on Debian with MinGW-w64 (scripts/build --windows): a
# 64-bit Windows executable, linked statically, run here through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The POSIX thread model: C++20's <thread> and <mutex> need it; winpthreads is linked in
# statically like the rest of the run-time library.
set(ZEL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and test discovery run the executables through Wine, in the prefix scripts/test makes.
find_program(ZEL_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEL_WINE})
