# The product: a 32-bit Windows DLL that loads on Windows NT 4.0, 2000 and 9x.
# The win32 thread model keeps the POSIX thread runtime out, and with it the kernel32 calls of
# later Windows versions that it imports; the library has no threads. GoogleTest needs that
# runtime, so this tree builds no test programs: it builds the DLL, and its tests check the
# DLL's files (exports, imports, import libraries, package).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KELVD_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(KELVD_TEST_PROGRAMS OFF)
# The Windows headers then hide what they mark as newer than NT 4.0 and the common controls of
# version 4.70 (mingw-w64 marks many calls so, not all: the kelvdcfg_imports test checks the
# rest).
set(kelvd_oldest_windows "-DWINVER=0x0400 -D_WIN32_WINNT=0x0400 -D_WIN32_IE=0x0470")
set(CMAKE_C_FLAGS_INIT "${kelvd_oldest_windows}")
set(CMAKE_CXX_FLAGS_INIT "${kelvd_oldest_windows}")
set(CMAKE_RC_FLAGS_INIT "${kelvd_oldest_windows}")
