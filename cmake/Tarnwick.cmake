# Shared build helpers.

# A component library: a shared object named exactly "<name>.DLL" whose one
# visible symbol is CreateInstance. The framework's objects are compiled in.
function(tarnwick_component_library name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".DLL" OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE framework_component)
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
endfunction()
