# Driver images made with the mingw-w64 tools whatever the tree's own compiler: real PE files
# (PE32 for i686, PE32+ for x86_64) whose only code is an entry point that does nothing
# (driver_entry.c), with the resources (a version resource, say) of an optional resource script.
# The tests and the demonstration prefix use them.
include_guard(GLOBAL)

# kelvd_driver_image(<output path> <i686|x86_64> [<resource script> [<files it includes>...]])
function(kelvd_driver_image output arch)
  set(entry_source ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/driver_entry.c)
  set(tools ${arch}-w64-mingw32)
  set(entry entry)
  if(arch STREQUAL i686)
    set(entry _entry)
  endif()
  set(objects)
  if(ARGN)
    list(GET ARGN 0 script)
    set(objects ${output}.res.o)
    add_custom_command(OUTPUT ${objects}
      COMMAND ${tools}-windres --include-dir ${CMAKE_BINARY_DIR}/generated ${script} -O coff
              -o ${objects}
      DEPENDS ${ARGN})
  endif()
  add_custom_command(OUTPUT ${output}
    COMMAND ${tools}-gcc -nostdlib -shared -Wl,--entry,${entry} -o ${output}
            ${entry_source} ${objects}
    DEPENDS ${entry_source} ${objects})
endfunction()
