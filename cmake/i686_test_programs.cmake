# The GoogleTest programs built for i686, in their own tree below this one (i686-tests/): the
# same sources with the POSIX thread model (cmake/toolchain-mingw-i686-tests.cmake), run under
# 32-bit Wine. They are built with this tree and their tests are this tree's tests, so that
# `ctest` here runs the i686 suites too. Tests that read the DLL's own file read the DLL built
# here, the one that ships.
include(ExternalProject)
set(KELVD_I686_TESTS ${CMAKE_BINARY_DIR}/i686-tests)
ExternalProject_Add(kelvd_i686_test_programs
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${KELVD_I686_TESTS}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-mingw-i686-tests.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
             -DKELVD_SHIPPED_DLL=$<TARGET_FILE:kelvdcfg>
             -DKELVD_BENCHMARK=OFF
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON
  DEPENDS kelvdcfg)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${KELVD_I686_TESTS}/tests/CTestTestfile.cmake)
