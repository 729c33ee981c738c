# The same sources built for x86_64 Windows, so that the Windows side runs under 64-bit Wine,
# test programs included (GoogleTest needs the POSIX thread model).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KELVD_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
