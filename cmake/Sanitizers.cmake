# DUZ_SANITIZE: every target built with AddressSanitizer and
# UndefinedBehaviorSanitizer (scripts/test-sanitizers builds build-asan/ so).
#
# The flags go on every target of the project, executables, shared libraries
# and add-in plugins alike: the plugins are dlopen'ed into a program that
# already carries the sanitizer runtime, and an instrumented library needs an
# instrumented program. A target that is loaded by an outside program (the
# sqlite3 shell's extension) sets the property DUZ_NO_SANITIZE.
#
# UBSan stops at the first fault (-fno-sanitize-recover), so a fault fails
# its test. -O1 keeps the instrumented build and its tests quick while the
# stacks stay readable.
option(DUZ_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

set(DUZ_SANITIZER_ENV)
if(DUZ_SANITIZE)
  set(sanitize "$<NOT:$<BOOL:$<TARGET_PROPERTY:DUZ_NO_SANITIZE>>>")
  add_compile_options(
    "$<${sanitize}:-fsanitize=address;-fsanitize=undefined;-fno-sanitize-recover=all;-fno-omit-frame-pointer;-O1>")
  add_link_options("$<${sanitize}:-fsanitize=address;-fsanitize=undefined>")

  # What the tests run with. Tools the build runs (the program-folder tool)
  # keep the runtime's defaults, which also stop at the first fault.
  # LeakSanitizer stays on, with no suppressions: the suite leaks nothing it
  # counts, Qt's offscreen platform included. Should a third-party library
  # ever leak, suppress that library alone in a file given by LSAN_OPTIONS,
  # never a stack that passes through our code.
  set(DUZ_SANITIZER_ENV
    "ASAN_OPTIONS=detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endif()
