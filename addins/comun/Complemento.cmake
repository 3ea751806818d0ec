include_guard(GLOBAL)

# duz_add_addin(<target> LIBRARY <old library name> SOURCES ... [DEPS ...])
# One stand-in add-in: a loadable module "lib<LIBRARY>.so" in ${DUZ_APP_DIR}/addins.
# It links the program's own shared platform and core libraries (found
# through $ORIGIN/../lib, or already loaded by the program), so the program
# and the plugin share one copy of their code and state. Only the static
# duz_addins_comun is linked in; --exclude-libs keeps its symbols private to
# the plugin. --no-undefined: a plugin that misses a library fails to link,
# not to load.
function(duz_add_addin target)
  cmake_parse_arguments(ARG "" "LIBRARY" "SOURCES;DEPS" ${ARGN})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${DUZ_WARNINGS})
  target_link_libraries(${target} PRIVATE duz_addins_comun ${ARG_DEPS})
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${ARG_LIBRARY}
    PREFIX "lib"
    SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY ${DUZ_APP_DIR}/addins)
endfunction()
