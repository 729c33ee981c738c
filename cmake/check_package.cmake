# Makes the package of CONFIG in WORK and fails unless it holds exactly the files a host team
# is given, under one folder NAME, with the DLL stripped and naming its debug file, which holds
# the debug information.
# cmake -DCPACK=<cpack> -DOBJDUMP=<objdump> -DCONFIG=<CPackConfig.cmake> -DWORK=<dir>
#       -DNAME=<package name> -P check_package.cmake
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -B ${WORK}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/${NAME}.zip)
  message(FATAL_ERROR "cpack did not make ${NAME}.zip:\n${output}")
endif()
set(unpacked ${WORK}/unpacked)
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${WORK}/${NAME}.zip
                WORKING_DIRECTORY ${unpacked} RESULT_VARIABLE status)
file(GLOB_RECURSE files RELATIVE ${unpacked} ${unpacked}/*)
list(SORT files)
set(expected HOSTS.md bin/kelvdcfg.dll bin/kelvdcfg.dll.debug include/kelvdcfg.h
             lib/kelvdcfg.def lib/kelvdcfg.lib lib/libkelvdcfg.dll.a)
list(TRANSFORM expected PREPEND ${NAME}/)
if(NOT status EQUAL 0 OR NOT files STREQUAL expected)
  message(FATAL_ERROR "${NAME}.zip holds '${files}', expected '${expected}'")
endif()

function(sections file out)
  execute_process(COMMAND ${OBJDUMP} -h ${unpacked}/${NAME}/${file} OUTPUT_VARIABLE dump)
  string(REGEX MATCHALL "[ \t]\\.[a-z_]+" names "${dump}")
  list(TRANSFORM names STRIP)
  set(${out} ${names} PARENT_SCOPE)
endfunction()
sections(bin/kelvdcfg.dll dll)
sections(bin/kelvdcfg.dll.debug debug)
if(".debug_info" IN_LIST dll OR NOT ".gnu_debuglink" IN_LIST dll OR NOT ".debug_info" IN_LIST debug)
  message(FATAL_ERROR "bin/kelvdcfg.dll has sections '${dll}', its debug file '${debug}': "
                      "expected the DLL stripped, naming the debug file that holds .debug_info")
endif()
message(STATUS "${NAME}.zip: ${files}")
