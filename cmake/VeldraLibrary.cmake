# veldra_add_library(NAME SOURCES file... [DEPENDS lib...] [QT module...])
#
# One static library per subsystem folder, named veldra_NAME. DEPENDS names the
# Veldra libraries it builds on (without the prefix) and QT the Qt modules its
# own code uses; both are private, so a library sees only what it asks for.
# The libraries form a one-way graph: a library may only depend on libraries
# further down (see docs/architecture.md).
function(veldra_add_library name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPENDS;QT" ${ARGN})
  add_library(veldra_${name} STATIC ${L_SOURCES})
  # The architecture check walks every library.
  set_property(GLOBAL APPEND PROPERTY VELDRA_LIBRARIES ${name})
  target_link_libraries(veldra_${name} PUBLIC veldra_options)
  foreach(module ${L_QT})
    target_link_libraries(veldra_${name} PRIVATE Qt6::${module})
  endforeach()
  foreach(dep ${L_DEPENDS})
    target_link_libraries(veldra_${name} PRIVATE veldra_${dep})
  endforeach()
endfunction()
