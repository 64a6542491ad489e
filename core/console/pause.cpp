#include "corvane/console.h"

#include "core/console/text_stream.h"
#include "core/platform/platform.h"

namespace corvane {

namespace {

const int kStepMs = 250;

}  // namespace

void WaitWithDots(int count, const std::string& prompt) {
  // Polling starts before the prompt shows, so only a key pressed after the
  // user could see it ends the pause.
  PlatformStartKeyPolling();
  WriteText(ConsoleOut, prompt);
  FlushStream(ConsoleOut);
  int dots = 0;
  // The key test comes before each step and the count after it, so a step
  // is never cut short and a count below 1 still gives one step.
  do {
    if (PlatformKeyPressed()) break;
    PlatformSleep(kStepMs);
    ++dots;
    WriteChar(ConsoleOut, '.');
    FlushStream(ConsoleOut);
  } while (dots < count);
  PlatformStopKeyPolling();
  WriteText(ConsoleOut, LineEnd);
  WriteLine(ConsoleOut);
}

}  // namespace corvane
