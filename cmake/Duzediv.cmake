# Shared build helpers. Every module is a library named duz_<area>
# (duz_platform_db, duz_schema, ...); every test folder one GoogleTest executable.
#
# The libraries of src/platform and src/core are shared libraries in the
# program folder's lib/ (build/app/lib): the program, the add-in plugins and
# the tests link the same ones, so whatever crosses the plugin boundary (a
# connection, the current error, the Ui, the add-in host) has one
# implementation and one copy of its static state. The subsystems above core
# are used by the program alone and stay static.

# -Werror for our own targets (CI builds with it; a developer may turn it off
# to try a newer compiler).
option(DUZ_WERROR "Treat warnings in the project's own code as errors" OFF)

set(DUZ_WARNINGS -Wall -Wextra)
if(DUZ_WERROR)
  list(APPEND DUZ_WARNINGS -Werror)
endif()

set(DUZ_LIB_DIR ${DUZ_APP_DIR}/lib)
file(MAKE_DIRECTORY ${DUZ_LIB_DIR})

# duz_add_library(<target> SOURCES ... [DEPS ...])
function(duz_add_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  if(folder STREQUAL "core" OR folder MATCHES "^platform/")
    add_library(${target} SHARED ${ARG_SOURCES})
    # Default symbol visibility, no export macros: every library is ours and
    # one process loads each once. --no-undefined: a library that uses
    # another without naming it in DEPS fails here, not at load.
    # -Bsymbolic-functions: calls inside a library go straight to its own
    # functions, not through the PLT, as in a static build (the database
    # layer's row loops are hot); data, so all static state, is still bound
    # process-wide and stays one copy.
    target_link_options(${target} PRIVATE -Wl,--no-undefined -Wl,-Bsymbolic-functions)
    set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${DUZ_LIB_DIR})
  else()
    add_library(${target} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${target} PRIVATE ${DUZ_WARNINGS})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# duz_add_test(<target> SOURCES ... [DEPS ...]): one ctest entry per executable,
# run headless; the shared test main gives every test its own settings folder,
# so settings never touch the user's.
function(duz_add_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${target} PRIVATE ${DUZ_WARNINGS})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} duz_testsupport GTest::gtest GTest::gmock)
  add_test(NAME ${target} COMMAND ${target})
  set(environment QT_QPA_PLATFORM=offscreen DUZ_TEST_BINARY_DIR=${CMAKE_BINARY_DIR} ${DUZ_SANITIZER_ENV})
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 600)
endfunction()

# Adds every immediate sub-folder (recursively through plain folders) that has
# a CMakeLists.txt, so modules can be added without touching shared files.
function(duz_add_subdirectories base)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS RELATIVE ${base} ${base}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${base}/${child})
      if(EXISTS ${base}/${child}/CMakeLists.txt)
        add_subdirectory(${base}/${child})
      else()
        duz_add_subdirectories(${base}/${child})
      endif()
    endif()
  endforeach()
endfunction()
