# The mingw-w64 cross compilers for the processor in CMAKE_SYSTEM_PROCESSOR, of the thread model in
# KELVD_THREAD_MODEL: posix (the POSIX thread runtime, which GoogleTest needs) or win32 (none).
set(CMAKE_SYSTEM_NAME Windows)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-${KELVD_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${triplet}-g++-${KELVD_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
