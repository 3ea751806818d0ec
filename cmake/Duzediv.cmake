# Shared build helpers. Every module is a static library named duz_<area>
# (duz_platform_db, duz_schema, ...); every test folder one GoogleTest executable.

set(DUZ_WARNINGS -Wall -Wextra)

# duz_add_library(<target> SOURCES ... [DEPS ...])
function(duz_add_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
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
  set_tests_properties(${target} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DUZ_TEST_BINARY_DIR=${CMAKE_BINARY_DIR}"
    TIMEOUT 600)
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
