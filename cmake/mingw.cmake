# Cross toolchain for the Windows programs, built on Linux with MinGW-w64.
# QX_MINGW_ARCH picks the target: i686 (default) builds the shipped 32-bit
# programs; x86_64 builds the same sources as 64-bit programs, for test benches
# on machines that cannot execute 32-bit code.
# The posix thread flavour is used so std::thread and std::mutex exist.
set(QX_MINGW_ARCH "i686" CACHE STRING "MinGW-w64 target: i686 or x86_64")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QX_MINGW_ARCH)
if(NOT QX_MINGW_ARCH MATCHES "^(i686|x86_64)$")
  message(FATAL_ERROR "QX_MINGW_ARCH must be i686 or x86_64, not '${QX_MINGW_ARCH}'")
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QX_MINGW_ARCH})
set(TOOLCHAIN_PREFIX ${QX_MINGW_ARCH}-w64-mingw32)
find_program(MINGW_CXX NAMES ${TOOLCHAIN_PREFIX}-g++-posix ${TOOLCHAIN_PREFIX}-g++ REQUIRED)
find_program(MINGW_CC NAMES ${TOOLCHAIN_PREFIX}-gcc-posix ${TOOLCHAIN_PREFIX}-gcc REQUIRED)
set(CMAKE_C_COMPILER ${MINGW_CC})
set(CMAKE_CXX_COMPILER ${MINGW_CXX})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every Windows program of the project runs through the private Wine bench.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/env/wine-run.sh)
