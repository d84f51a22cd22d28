# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads), Qt
# and MPFR from the Windows kit (cmake/windows_kit.cmake finds or unpacks it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

include(${CMAKE_CURRENT_LIST_DIR}/windows_kit.cmake)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${MORVANE_KIT_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the cross-built tests under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
