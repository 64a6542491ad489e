#include "tests/support/fake_platform.h"

#include <cstdlib>

#include "app/program_flow.h"
#include "core/console/core_start.h"
#include "core/console/text_stream.h"
#include "core/platform/platform.h"
#include "core/platform/platform_os.h"

using namespace corvane;

std::string_view expected::TestedLineEnd() { return LineEnd; }

TOutputCapture FakeOutput;
TConsoleDouble FakeConsole;

namespace {

std::string ExecutablePath;

}  // namespace

fuzzcheck::TProgramOutcomeRec RunInProcess(const std::vector<std::string>& args) {
  const TCaptureScope scope(args);
  RestoreProgramDefaults();
  return {RunProgram(), FakeOutput.Out, FakeOutput.Err, FakeConsole.Sleeps, FakeConsole.Alerts};
}

TCaptureScope::TCaptureScope(const std::vector<std::string>& args, const std::string& exePath,
                             const std::string& programName) {
  FakeOutput = TOutputCapture{};
  FakeConsole = TConsoleDouble{};
  ExecutablePath = exePath;
  std::vector<const char*> argv{programName.c_str()};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  PlatformSetArguments(static_cast<int>(argv.size()), argv.data());
  CoreRestoreDefaults();
  CoreInitialize();
}

TCaptureScope::~TCaptureScope() {
  FlushAllStreams();
  CoreRestoreDefaults();
}

// The OS file's part of the core, faked.
namespace corvane {

const char* PlatformRawCommandLine() { return nullptr; }

std::string OsExecutablePath() { return ExecutablePath; }

bool PlatformWrite(TStdStream stream, const char* data, std::size_t size) {
  (stream == ssOutput ? FakeOutput.Out : FakeOutput.Err).append(data, size);
  FakeOutput.Both.append(data, size);
  ++FakeOutput.WriteCalls;
  return true;
}

bool PlatformWriteRepeated(TStdStream stream, const char* data, std::size_t size,
                           std::size_t count) {
  std::string copies;
  for (; count > 0; --count) copies.append(data, size);
  return PlatformWrite(stream, copies.data(), copies.size());
}

bool PlatformIsTerminal(TStdStream stream) {
  return stream == ssOutput && FakeOutput.OutIsTerminal;
}

// Writes never fail here, and only main ends the process.
void PlatformEndProcess(int) { std::abort(); }

void PlatformStartKeyPolling() { ++FakeConsole.Starts; }

bool PlatformKeyPressed() {
  ++FakeConsole.Checks;
  return FakeConsole.KeyAfterChecks > 0 && FakeConsole.Checks >= FakeConsole.KeyAfterChecks;
}

void PlatformStopKeyPolling() { ++FakeConsole.Stops; }

void PlatformAlert() { ++FakeConsole.Alerts; }

void PlatformSleep(int milliseconds) {
  ++FakeConsole.Sleeps;
  FakeConsole.SleptMs += milliseconds;
}

// The C locale's: English month names, ":" and "/".
TLocaleFormat PlatformLocaleFormat() { return {}; }

}  // namespace corvane
