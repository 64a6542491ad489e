// Replaces libstdc++'s verbose terminate handler in static builds. The
// default one demangles the exception's type name, which links the demangler
// and printf into every run (about a twentieth of the binary) for a message
// the only likely exception, running out of memory before the core's start-up
// takes failed allocations over, does not need. It ends the run as the core
// ends one refused memory: one line, no abort and no core dump.
#include "core/platform/platform.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  corvane::PlatformFatalError("out of memory or internal error", corvane::OutOfMemoryStatus);
}

}  // namespace __gnu_cxx
