// Replaces run-time parts a static build does not need. libstdc++'s failure
// paths: the product throws nothing and catches nothing. The library's own versions throw, and
// an exception nobody catches only ends in the terminate handler; linking
// them brings the demangler, printf and an emergency exception pool that the
// run-time allocates at start-up (73 KiB, pages every run pays for). Here
// every such failure ends the run as the core ends one refused memory: one
// line, no abort and no core dump. And the registration of static objects'
// destructors: a run ends through _exit, so they never run.
#include <cstdlib>
#include <new>

#include "core/platform/platform.h"

namespace {

[[noreturn]] void EndInternalError() {
  corvane::PlatformFatalError("out of memory or internal error", corvane::OutOfMemoryStatus);
}

}  // namespace

// The core's new-handler (set when it takes the arguments) reports a refused
// allocation; before that, or without one, it ends the run as bad_alloc did.
void* operator new(std::size_t size) {
  for (;;) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) EndInternalError();
    handler();
  }
}

// Its pair, as the library's: the block goes back to malloc.
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace __gnu_cxx {

void __verbose_terminate_handler() { EndInternalError(); }

}  // namespace __gnu_cxx

// What the containers and strings call where they would throw: hooks the
// library declares, defined here so that its throwing versions stay out of
// the link (a symbol defined twice would fail it, not go unnoticed).
namespace std {  // NOLINT(cert-dcl58-cpp)

void __throw_bad_exception() { EndInternalError(); }
void __throw_bad_alloc() { EndInternalError(); }
void __throw_bad_array_new_length() { EndInternalError(); }
void __throw_bad_cast() { EndInternalError(); }
void __throw_bad_typeid() { EndInternalError(); }
void __throw_logic_error(const char*) { EndInternalError(); }
void __throw_domain_error(const char*) { EndInternalError(); }
void __throw_invalid_argument(const char*) { EndInternalError(); }
void __throw_length_error(const char*) { EndInternalError(); }
void __throw_out_of_range(const char*) { EndInternalError(); }
void __throw_out_of_range_fmt(const char*, ...) { EndInternalError(); }
void __throw_runtime_error(const char*) { EndInternalError(); }
void __throw_range_error(const char*) { EndInternalError(); }
void __throw_overflow_error(const char*) { EndInternalError(); }
void __throw_underflow_error(const char*) { EndInternalError(); }

}  // namespace std

// Linked with --wrap=__cxa_atexit. The compiler registers every static
// object's destructor at start-up; handlers that atexit registers (with no
// object) still run when a tool calls exit.
extern "C" int __real___cxa_atexit(void (*function)(void*), void* object, void* dso);
extern "C" int __wrap___cxa_atexit(void (*function)(void*), void* object, void* dso) {
  if (object != nullptr) return 0;
  return __real___cxa_atexit(function, object, dso);
}
