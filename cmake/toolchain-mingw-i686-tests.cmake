# The test programs of the i686 tree: the library's sources built for 32-bit Windows as the DLL is
# (same processor, same Windows headers), with the POSIX thread model that GoogleTest needs, run
# under 32-bit Wine. The DLL that ships is not built here: the win32 tree builds it with the win32
# thread model, and its end-to-end tests load that one.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KELVD_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/oldest-windows.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
