#include "app/program_flow.h"
#include "core/platform/platform.h"

int main(int argc, char** argv) {
  PlatformSetArguments(argc, argv);
#ifdef LINEWRIGHT_QUICK_EXIT
  // Everything is written once the run returns, and the system takes the
  // memory back at once: releasing the records, static destructors and
  // stdio's clean-up would only cost time.
  PlatformEndProcess(RunProgram(/*freshProcess=*/true, /*releaseState=*/false));
#else
  return RunProgram(/*freshProcess=*/true);
#endif
}
