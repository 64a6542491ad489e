#include "app/program_flow.h"
#include "core/platform/platform.h"

int main(int argc, char** argv) {
  PlatformSetArguments(argc, argv);
  const int status = RunProgram(/*freshProcess=*/true);
#ifdef LINEWRIGHT_QUICK_EXIT
  // Everything is written and released: static destructors and stdio's
  // clean-up would only cost time.
  PlatformEndProcess(status);
#else
  return status;
#endif
}
