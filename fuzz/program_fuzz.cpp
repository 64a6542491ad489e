// Runs the whole program in-process over a command line cut from the input
// (arguments separated by NUL bytes), twice, and checks both runs. The fake
// console counts the pause's sleeps instead of sleeping.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/program_invariants.h"
#include "tests/support/fake_platform.h"

namespace {

const char kBaseName[] = "Linewright";

void Fail(const std::vector<std::string>& args, const std::string& problem) {
  std::fprintf(stderr, "program run over %zu arguments: %s\n", args.size(), problem.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = fuzzcheck::SplitFuzzArguments(data, size);
  const fuzzcheck::TProgramOutcomeRec first = RunInProcess(args);
  std::string problem = fuzzcheck::CheckProgramRun(args, first, kBaseName);
  if (!problem.empty()) Fail(args, problem);
  const fuzzcheck::TProgramOutcomeRec second = RunInProcess(args);
  problem = fuzzcheck::CheckSameOutcome(first, second);
  if (!problem.empty()) Fail(args, problem);
  return 0;
}
