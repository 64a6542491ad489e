// Replaces libstdc++'s verbose terminate handler in static builds. The
// default one demangles the exception's type name, which links the demangler
// and printf into every run (about a twentieth of the binary) for a message
// the only possible exception, running out of memory, does not need.
#include <cstdlib>

#include "core/platform/platform.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  static const char kMessage[] = "Linewright: out of memory or internal error\r\n";
  corvane::PlatformWrite(corvane::ssError, kMessage, sizeof kMessage - 1);
  std::abort();
}

}  // namespace __gnu_cxx
