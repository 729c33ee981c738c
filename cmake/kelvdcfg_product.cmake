# What makes kelvdcfg.dll the file a host team receives: its version resource and image header,
# the stripped DLL with its debug information beside it, the import libraries for linking, the
# install rules and package (the dist target, out/kelvdcfg-<version>-<win32|win64>.zip), and the
# checks of all that which need no Windows to run (label "product").
include_guard(GLOBAL)

# A Windows GUI image for NT 4.0 and Windows 95, with the version in its header as in its
# version resource.
target_sources(kelvdcfg PRIVATE ${CMAKE_SOURCE_DIR}/res/version.rc)
target_link_libraries(kelvdcfg PRIVATE kelvd_version)
target_link_options(kelvdcfg PRIVATE -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4
                                     -Wl,--minor-os-version,0)
set_target_properties(kelvdcfg PROPERTIES VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})

# The DLL is stripped after every link; its debug information goes to kelvdcfg.dll.debug beside
# it, which the DLL names (.gnu_debuglink) so that a debugger finds it.
set(KELVD_DEBUG_FILE $<TARGET_FILE_NAME:kelvdcfg>.debug)
add_custom_command(TARGET kelvdcfg POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:kelvdcfg> ${KELVD_DEBUG_FILE}
  COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${KELVD_DEBUG_FILE}
          $<TARGET_FILE_NAME:kelvdcfg>
  WORKING_DIRECTORY $<TARGET_FILE_DIR:kelvdcfg>
  COMMENT "Stripping kelvdcfg.dll, its debug information beside it")

# Import libraries: the linker's own for MinGW (libkelvdcfg.dll.a), and one in the format of the
# Microsoft tools made from the module definition (kelvdcfg.lib).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  set(kelvd_machine i386)
  set(kelvd_package_system win32)
else()
  set(kelvd_machine i386:x86-64)
  set(kelvd_package_system win64)
endif()
find_program(KELVD_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
set(KELVD_MSVC_IMPORT_LIBRARY ${CMAKE_BINARY_DIR}/kelvdcfg.lib)
add_custom_command(OUTPUT ${KELVD_MSVC_IMPORT_LIBRARY}
  COMMAND ${KELVD_DLLTOOL} -m ${kelvd_machine} -d ${CMAKE_SOURCE_DIR}/app/kelvdcfg.def
          -D kelvdcfg.dll -l ${KELVD_MSVC_IMPORT_LIBRARY}
  DEPENDS ${CMAKE_SOURCE_DIR}/app/kelvdcfg.def)
add_custom_target(kelvdcfg_msvc_import_library ALL DEPENDS ${KELVD_MSVC_IMPORT_LIBRARY})

# The package: HOSTS.md; bin/ the DLL and its debug information; include/ the header; lib/ the
# import libraries and the module definition.
install(TARGETS kelvdcfg RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(FILES $<TARGET_FILE_DIR:kelvdcfg>/${KELVD_DEBUG_FILE} DESTINATION bin)
install(FILES ${CMAKE_SOURCE_DIR}/include/kelvdcfg.h DESTINATION include)
install(FILES ${KELVD_MSVC_IMPORT_LIBRARY} ${CMAKE_SOURCE_DIR}/app/kelvdcfg.def DESTINATION lib)
install(FILES ${CMAKE_SOURCE_DIR}/docs/HOSTS.md DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kelvdcfg)
set(CPACK_PACKAGE_VENDOR Ostrand)
set(kelvd_package kelvdcfg-${PROJECT_VERSION}-${kelvd_package_system})
set(CPACK_PACKAGE_FILE_NAME ${kelvd_package})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
add_custom_target(dist
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_SOURCE_DIR}/out
  COMMAND ${CMAKE_COMMAND} -E copy ${CPACK_PACKAGE_DIRECTORY}/${kelvd_package}.zip
          ${CMAKE_SOURCE_DIR}/out/
  DEPENDS kelvdcfg kelvdcfg_msvc_import_library
  COMMENT "out/${kelvd_package}.zip")

if(NOT BUILD_TESTING)
  return()
endif()

# The DLL exports its three entry points by their plain names and nothing else.
add_test(NAME kelvdcfg_exports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DDLL=$<TARGET_FILE:kelvdcfg>
                 -DEXPECTED=ConfigureKELVD,SelectAll,SelectNone
                 -P ${CMAKE_SOURCE_DIR}/cmake/check_exports.cmake)
set_tests_properties(kelvdcfg_exports PROPERTIES LABELS product)

# The test doubles and the in-memory machine stay out of the library: neither the stripped DLL
# (its type names) nor its debug information (its symbols) names one.
foreach(test holds debug_holds)
  set(image $<TARGET_FILE:kelvdcfg>)
  if(test STREQUAL debug_holds)
    set(image $<TARGET_FILE_DIR:kelvdcfg>/${KELVD_DEBUG_FILE})
  endif()
  add_test(NAME kelvdcfg_${test}_no_test_doubles
           COMMAND ${CMAKE_COMMAND} -DDLL=${image}
                   -DDOUBLES=${CMAKE_SOURCE_DIR}/doubles,${CMAKE_SOURCE_DIR}/platform/substitute
                   -P ${CMAKE_SOURCE_DIR}/cmake/check_no_test_doubles.cmake)
  set_tests_properties(kelvdcfg_${test}_no_test_doubles PROPERTIES LABELS product)
endforeach()

# The 32-bit DLL imports only functions that Windows 95 (with the common controls of version
# 4.70), NT 4.0 and 2000 export: kelvdcfg_imports.txt lists them, with where that was found.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  add_test(NAME kelvdcfg_imports
           COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DIMAGE=$<TARGET_FILE:kelvdcfg>
                   -DALLOWED=${CMAKE_SOURCE_DIR}/cmake/kelvdcfg_imports.txt
                   -P ${CMAKE_SOURCE_DIR}/cmake/check_imports.cmake)
  set_tests_properties(kelvdcfg_imports PROPERTIES LABELS product)
endif()

# A host linked against either import library imports the three entry points by their plain
# names from kelvdcfg.dll: one built with this tree's MinGW compiler, one with clang and lld-link
# as the Microsoft tools would build it.
set(consumer_source ${CMAKE_SOURCE_DIR}/cmake/import_library_consumer.c)
set(consumer_imports ${CMAKE_BINARY_DIR}/import_library_consumer.txt)
file(WRITE ${consumer_imports}
  "kelvdcfg.dll ConfigureKELVD\nkelvdcfg.dll SelectAll\nkelvdcfg.dll SelectNone\n")
set(mingw_consumer ${CMAKE_BINARY_DIR}/mingw_consumer.exe)
set(msvc_consumer ${CMAKE_BINARY_DIR}/msvc_consumer.exe)
set(entry entry)
if(kelvd_machine STREQUAL i386)
  set(entry _entry)
endif()
add_custom_command(OUTPUT ${mingw_consumer}
  COMMAND ${CMAKE_C_COMPILER} -nostdlib -Wl,--entry,${entry} -I${CMAKE_SOURCE_DIR}/include
          -o ${mingw_consumer} ${consumer_source} $<TARGET_LINKER_FILE:kelvdcfg>
  DEPENDS ${consumer_source} kelvdcfg)
find_program(KELVD_CLANG NAMES clang clang-14 REQUIRED)
find_program(KELVD_LLD_LINK NAMES lld-link lld-link-14 REQUIRED)
add_custom_command(OUTPUT ${msvc_consumer}
  COMMAND ${KELVD_CLANG} --target=${CMAKE_SYSTEM_PROCESSOR}-pc-windows-msvc -ffreestanding
          -I${CMAKE_SOURCE_DIR}/include -c ${consumer_source} -o ${msvc_consumer}.obj
  COMMAND ${KELVD_LLD_LINK} -nodefaultlib -entry:entry -subsystem:console
          -out:${msvc_consumer} ${msvc_consumer}.obj ${KELVD_MSVC_IMPORT_LIBRARY}
  DEPENDS ${consumer_source} ${KELVD_MSVC_IMPORT_LIBRARY})
add_custom_target(kelvdcfg_import_library_consumers ALL DEPENDS ${mingw_consumer} ${msvc_consumer})
foreach(consumer mingw msvc)
  add_test(NAME kelvdcfg_${consumer}_import_library
           COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DIMAGE=${${consumer}_consumer}
                   -DALLOWED=${consumer_imports} -P ${CMAKE_SOURCE_DIR}/cmake/check_imports.cmake)
  set_tests_properties(kelvdcfg_${consumer}_import_library PROPERTIES LABELS product)
endforeach()

# The package holds what it should, its DLL stripped and its debug file beside it.
add_test(NAME kelvdcfg_package
         COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
                 -DCONFIG=${CMAKE_BINARY_DIR}/CPackConfig.cmake
                 -DWORK=${CMAKE_BINARY_DIR}/package-check -DNAME=${kelvd_package}
                 -P ${CMAKE_SOURCE_DIR}/cmake/check_package.cmake)
set_tests_properties(kelvdcfg_package PROPERTIES LABELS product)
