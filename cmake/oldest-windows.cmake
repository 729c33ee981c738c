# The Windows headers hide what they mark as newer than NT 4.0 and the common controls of version
# 4.70 (mingw-w64 marks many calls so, not all: the kelvdcfg_imports test checks the rest), and
# the structures the library hands to the system have the sizes those versions know.
set(kelvd_oldest_windows "-DWINVER=0x0400 -D_WIN32_WINNT=0x0400 -D_WIN32_IE=0x0470")
set(CMAKE_C_FLAGS_INIT "${kelvd_oldest_windows}")
set(CMAKE_CXX_FLAGS_INIT "${kelvd_oldest_windows}")
set(CMAKE_RC_FLAGS_INIT "${kelvd_oldest_windows}")
