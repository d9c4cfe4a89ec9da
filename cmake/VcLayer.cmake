# Each folder of src/ is one library, a layer. A layer sees its own headers and those of the
# layers it links, nothing else: its include folder holds only a link named after the layer,
# so an include that runs back up the layers does not build.
function(vc_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;LINKS" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${name} ${root}/${name} SYMBOLIC)
  endif()
  list(TRANSFORM L_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/${name}/)
  add_library(vc_${name} STATIC ${L_SOURCES})
  target_include_directories(vc_${name} PUBLIC ${root})
  target_link_libraries(vc_${name} PUBLIC ${L_LINKS})
  target_link_libraries(vc_${name} PRIVATE vc_compile_options)
endfunction()
