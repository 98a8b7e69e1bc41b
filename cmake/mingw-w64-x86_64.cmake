# Cross build for 64-bit Windows with MinGW-w64 (posix thread model), tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SY_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SY_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SY_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${SY_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SY_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Every test binary runs through Wine with the build tree's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
