# Fails unless the DLL's export table names exactly the functions of EXPECTED (separated by
# commas), in that order.
# cmake -DOBJDUMP=<objdump> -DDLL=<dll> -DEXPECTED=a,b,c -P check_exports.cmake
string(REPLACE "," ";" expected "${EXPECTED}")
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${DLL} failed: ${status}")
endif()
# The names are the lines "[ i] name" that follow "[Ordinal/Name Pointer] Table", up to a blank
# line.
set(header "[Ordinal/Name Pointer] Table\n")
string(FIND "${dump}" "${header}" start)
set(names)
if(start GREATER_EQUAL 0)
  string(LENGTH "${header}" length)
  math(EXPR start "${start} + ${length}")
  string(SUBSTRING "${dump}" ${start} -1 table)
  string(FIND "${table}" "\n\n" end)
  string(SUBSTRING "${table}" 0 ${end} table)
  string(REGEX MATCHALL "[[][ 0-9]+[]][ \t]+[^ \t\n]+" entries "${table}")
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^[[][ 0-9]+[]][ \t]+" "" name "${entry}")
    list(APPEND names ${name})
  endforeach()
endif()
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "${DLL} exports '${names}', expected '${expected}'")
endif()
message(STATUS "${DLL} exports ${names}")
