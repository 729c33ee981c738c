# The product: a 32-bit Windows DLL that loads on Windows NT 4.0, 2000 and 9x.
# The win32 thread model keeps the POSIX thread runtime out, and with it the kernel32 calls of
# later Windows versions that it imports; the library has no threads. GoogleTest needs that
# runtime, so the GoogleTest programs of this tree are built in a tree of their own below it
# (i686-tests/, cmake/i686_test_programs.cmake) with the POSIX compilers; this one builds the DLL,
# kwhost and kelvcfg, and its tests check the DLL's files and run the DLL itself under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KELVD_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/oldest-windows.cmake)
set(KELVD_TEST_PROGRAMS OFF)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
