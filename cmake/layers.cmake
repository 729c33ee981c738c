# The library's layers are static libraries, each of which sees only its own headers and those of
# the layers it links. No library puts the source root on the include path: each gets a folder of
# its own under build/<tree>/include/<library>/ holding links to its headers only, laid out as
# they are included ("model/config_model.h"). An include of a header of a layer that is not
# linked, an upper one for instance, is then not found and the build stops there.
include_guard(GLOBAL)

# kelvd_expose_headers(<target> <PUBLIC|PRIVATE|INTERFACE> <folder>...)
# Links every header (*.h, and the *.def tables headers include) of each folder, taken relative
# to the source root and not descending into subfolders, into the target's include folder of that
# scope, and puts that folder on the target's include path with the scope.
function(kelvd_expose_headers target scope)
  string(TOLOWER ${scope} kind)
  set(view ${CMAKE_BINARY_DIR}/include/${target}-${kind})
  # Made afresh at every configuration, so that a header moved elsewhere leaves no link behind.
  file(REMOVE_RECURSE ${view})
  foreach(folder IN LISTS ARGN)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h
                                        ${CMAKE_SOURCE_DIR}/${folder}/*.def)
    file(MAKE_DIRECTORY ${view}/${folder})
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${view}/${folder}/${name} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${target} ${scope} ${view})
endfunction()

# kelvd_layer(<name> <folder>... [SOURCES <file>...] [LINKS <library>...])
# A static library of one layer: its sources, the headers of its folders for those who link it,
# the project's warnings for its own code, and the libraries below it.
function(kelvd_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "SOURCES;LINKS")
  add_library(${name} STATIC ${layer_SOURCES})
  kelvd_expose_headers(${name} PUBLIC ${layer_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PUBLIC ${layer_LINKS} PRIVATE kelvd_warnings)
endfunction()
