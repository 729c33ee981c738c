# Header-only libraries from the build machine's Debian packages. Only each library's own folder
# is put on a target's include path, linked into a folder of the build tree: the machine's
# /usr/include itself would give a cross compiler the machine's C headers. The folders are system
# headers to the compiler, so their code is not held to the project's warnings.
set(KELVD_THIRD_PARTY_HEADERS ${CMAKE_BINARY_DIR}/include/third-party)
file(MAKE_DIRECTORY ${KELVD_THIRD_PARTY_HEADERS})

# kelvd_third_party_headers(target scope folder...): each folder (CLI, nlohmann, stb, utf8cpp),
# found below /usr/include, on target's include path as <folder/...>.
function(kelvd_third_party_headers target scope)
  foreach(folder ${ARGN})
    if(NOT EXISTS /usr/include/${folder})
      message(FATAL_ERROR "/usr/include/${folder} is missing: run tools/install-deps.sh")
    endif()
    file(CREATE_LINK /usr/include/${folder} ${KELVD_THIRD_PARTY_HEADERS}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} SYSTEM ${scope} ${KELVD_THIRD_PARTY_HEADERS})
endfunction()
