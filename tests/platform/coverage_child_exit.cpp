// Coverage builds only (the coverage preset defines LINEWRIGHT_COVERAGE): not
// a test, the harness that lets the forked children's lines count.
//
// The pseudo-terminal tests run the pause in forked children that end with
// _exit, and _exit skips the handler that writes the coverage counters, so
// everything those children execute would count as never run. This test
// binary therefore brings its own _exit, which writes the counters and
// then ends the process exactly as the C library's would. Calls from the test
// binary bind to it; the shipped program is not affected.
#if defined(LINEWRIGHT_COVERAGE) && defined(__linux__)

#include <sys/syscall.h>
#include <unistd.h>

// Writes the counters gathered so far; part of the coverage runtime.
extern "C" void __gcov_dump();

extern "C" [[noreturn]] void _exit(int status) {
  __gcov_dump();
  for (;;) syscall(SYS_exit_group, status);
}

#endif
