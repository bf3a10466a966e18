# Cross build of the Windows libraries with Debian's MinGW-w64 for x86-64.
# The POSIX thread model gives std::thread and std::mutex; the threads
# library is linked in statically with the C++ runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVLION_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVLION_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVLION_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVLION_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAVLION_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
