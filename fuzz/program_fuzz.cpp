// Runs the whole program in-process over a command line cut from the input
// (arguments separated by NUL bytes), twice, and checks both runs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program_flow.h"
#include "core/platform/platform.h"
#include "fuzz/program_invariants.h"

namespace {

const char kExePath[] = "/opt/tools/Linewright";
const char kBaseName[] = "Linewright";

fuzzcheck::TProgramOutcomeRec RunCaptured(const std::vector<std::string>& args) {
  TOutputCapture capture;
  TConsoleDouble console;  // counts the pause's sleeps instead of sleeping
  PlatformUseTestArguments(&args, kBaseName, kExePath);
  PlatformUseOutputCapture(&capture);
  PlatformUseConsoleDouble(&console);
  fuzzcheck::TProgramOutcomeRec outcome;
  outcome.ExitCode = RunProgram();
  PlatformUseConsoleDouble(nullptr);
  PlatformUseOutputCapture(nullptr);
  PlatformUseTestArguments(nullptr, "", "");
  outcome.Out = std::move(capture.Out);
  outcome.Err = std::move(capture.Err);
  outcome.Sleeps = console.Sleeps;
  outcome.Alerts = console.Alerts;
  return outcome;
}

void Fail(const std::vector<std::string>& args, const std::string& problem) {
  std::fprintf(stderr, "program run over %zu arguments: %s\n", args.size(), problem.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = fuzzcheck::SplitFuzzArguments(data, size);
  const fuzzcheck::TProgramOutcomeRec first = RunCaptured(args);
  std::string problem = fuzzcheck::CheckProgramRun(args, first, kBaseName);
  if (!problem.empty()) Fail(args, problem);
  const fuzzcheck::TProgramOutcomeRec second = RunCaptured(args);
  problem = fuzzcheck::CheckSameOutcome(first, second);
  if (!problem.empty()) Fail(args, problem);
  return 0;
}
