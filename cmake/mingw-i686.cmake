# Cross toolchain for the 32-bit Windows build (Debian's g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Tests and the demo run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
