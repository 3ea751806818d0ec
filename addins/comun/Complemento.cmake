include_guard(GLOBAL)

# duz_add_addin(<target> LIBRARY <old library name> SOURCES ... [DEPS ...])
# One stand-in add-in: a loadable module "lib<LIBRARY>.so" in ${DUZ_APP_DIR}/addins.
# The platform code it links is kept private to it (--exclude-libs, -Bsymbolic),
# so it never mixes with the program's copy; it exports only its entry point.
function(duz_add_addin target)
  cmake_parse_arguments(ARG "" "LIBRARY" "SOURCES;DEPS" ${ARGN})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${DUZ_WARNINGS})
  target_link_libraries(${target} PRIVATE duz_addins_comun ${ARG_DEPS})
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,-Bsymbolic -Wl,--no-undefined)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${ARG_LIBRARY}
    PREFIX "lib"
    SUFFIX ".so"
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${DUZ_APP_DIR}/addins)
endfunction()
