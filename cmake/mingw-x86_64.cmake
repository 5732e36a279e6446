# Cross toolchain for the 64-bit Windows build (Debian's g++-mingw-w64-x86-64-posix): the same
# component for 64-bit hosts (64-bit Office, x64 .NET, the 64-bit script hosts).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Tests and the demo run under Wine's 64-bit loader (see docs/wine.md).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
