# Fails unless the PE image imports exactly the functions that ALLOWED lists: an import missing
# from the list would keep the image from loading wherever that DLL lacks it, and a listed
# function the image no longer imports is to come off the list, so that the list keeps saying
# what the image needs.
# cmake -DOBJDUMP=<objdump> -DIMAGE=<dll or exe> -DALLOWED=<list file> -P check_imports.cmake
# The list has one "DLL function" pair a line (the DLL's name in any case; an import by ordinal
# is written #<ordinal>); "# " starts a note that runs to the end of the line.
cmake_minimum_required(VERSION 3.21)
execute_process(COMMAND ${OBJDUMP} -p ${IMAGE} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${IMAGE} failed: ${status}")
endif()

# The imports are the lines "<vma> <hint> <name>" after each "DLL Name: <dll>", up to the export
# table or the end.
string(FIND "${dump}" "The Import Tables" start)
set(imports)
if(start GREATER_EQUAL 0)
  string(SUBSTRING "${dump}" ${start} -1 section)
  string(FIND "${section}" "The Export Tables" end)
  string(SUBSTRING "${section}" 0 ${end} section)
  string(REGEX MATCHALL "[^\n]+" lines "${section}")
  set(dll)
  foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: ([^ \t]+)")
      string(TOUPPER "${CMAKE_MATCH_1}" dll)
    elseif(dll AND line MATCHES "^\t[0-9a-fA-F]+\t +([0-9]+) +([^ \t]+)")
      set(name "${CMAKE_MATCH_2}")
      if(name STREQUAL "<none>")
        set(name "#${CMAKE_MATCH_1}")
      endif()
      list(APPEND imports "${dll} ${name}")
    endif()
  endforeach()
endif()

file(STRINGS ${ALLOWED} entries)
set(allowed)
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "(^|[ \t])#( .*)?$" "" entry "${entry}")
  string(STRIP "${entry}" entry)
  if(entry MATCHES "^([^ \t]+)[ \t]+([^ \t]+)$")
    string(TOUPPER "${CMAKE_MATCH_1}" dll)
    list(APPEND allowed "${dll} ${CMAKE_MATCH_2}")
  elseif(entry)
    message(FATAL_ERROR "${ALLOWED}: not a \"DLL function\" pair: ${entry}")
  endif()
endforeach()

set(unlisted ${imports})
set(unused ${allowed})
if(allowed)
  list(REMOVE_ITEM unlisted ${allowed})
endif()
if(imports)
  list(REMOVE_ITEM unused ${imports})
endif()
list(LENGTH imports count)
if(unlisted OR unused OR count EQUAL 0)
  list(JOIN unlisted "\n  " unlisted)
  list(JOIN unused "\n  " unused)
  message(FATAL_ERROR "${IMAGE} imports ${count} functions.\n"
    "Imported but not allowed by ${ALLOWED}:\n  ${unlisted}\n"
    "Allowed but no longer imported:\n  ${unused}")
endif()
message(STATUS "${IMAGE}: its ${count} imports are those of ${ALLOWED}")
