#include "app/option_aliases.h"
#include "app/program_flow.h"
#include "core/platform/platform.h"

int main(int argc, char** argv) {
  corvane::PlatformEndOnOutOfMemory();
  corvane::PlatformSetArguments(argc, argv);
  corvane::PrecomputedAliases = &ProgramAliasWork;
  const int status = RunProgram();
#ifdef LINEWRIGHT_INSTRUMENTED
  // Sanitizer and coverage run-times make their reports in the exit work.
  return status;
#else
  // Every byte is handed over once the run returns, and the system takes the
  // memory back at once: releasing the records, static destructors and
  // stdio's clean-up would only cost time.
  corvane::PlatformEndProcess(status);
#endif
}
