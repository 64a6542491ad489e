// Replays the fuzz targets' kept inputs (the seed corpora and every input
// that once broke a rule) through the same checks the fuzzers apply, so a
// fault found by fuzzing stays found without a fuzzer.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/number_invariants.h"
#include "fuzz/program_invariants.h"
#include "tests/support/expected_rules.h"
#include "tests/support/fake_platform.h"

namespace {

namespace fs = std::filesystem;

#ifdef LINEWRIGHT_FUZZ_DIR
const fs::path kFuzzDir = LINEWRIGHT_FUZZ_DIR;
#else
const fs::path kFuzzDir;
#endif

struct TKeptInput {
  std::string Name;
  std::string Bytes;
};

std::vector<TKeptInput> KeptInputs(const std::string& target) {
  std::vector<TKeptInput> inputs;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path dir = kFuzzDir / kind / target;
    if (!fs::is_directory(dir)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      inputs.push_back({std::string(kind) + "/" + entry.path().filename().string(),
                        std::string(std::istreambuf_iterator<char>(in), {})});
    }
  }
  return inputs;
}

std::vector<std::string> Split(const std::string& bytes) {
  return fuzzcheck::SplitFuzzArguments(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                       bytes.size());
}

std::string CheckProgramInput(const std::vector<std::string>& args) {
  const fuzzcheck::TProgramOutcomeRec first = RunInProcess(args);
  std::string problem = fuzzcheck::CheckProgramRun(args, first, "Linewright");
  if (!problem.empty()) return problem;
  return fuzzcheck::CheckSameOutcome(first, RunInProcess(args));
}

}  // namespace

TEST(FuzzRegressions, ProgramInputsKeepEveryRule) {
  if (kFuzzDir.empty()) GTEST_SKIP() << "LINEWRIGHT_FUZZ_DIR not defined for this build";
  const std::vector<TKeptInput> inputs = KeptInputs("program_fuzz");
  ASSERT_FALSE(inputs.empty()) << "no kept inputs under " << kFuzzDir;
  for (const TKeptInput& input : inputs) {
    EXPECT_EQ(CheckProgramInput(Split(input.Bytes)), "") << input.Name;
  }
}

TEST(FuzzRegressions, NumberInputsKeepEveryRule) {
  if (kFuzzDir.empty()) GTEST_SKIP() << "LINEWRIGHT_FUZZ_DIR not defined for this build";
  const std::vector<TKeptInput> inputs = KeptInputs("number_conversion_fuzz");
  ASSERT_FALSE(inputs.empty()) << "no kept inputs under " << kFuzzDir;
  for (const TKeptInput& input : inputs) {
    EXPECT_EQ(fuzzcheck::CheckNumberConversion(input.Bytes), "") << input.Name;
  }
}

TEST(FuzzRegressions, InputSplitsAtEveryNul) {
  using Args = std::vector<std::string>;
  const struct {
    std::string bytes;
    Args args;
  } cases[] = {
      {"", {}},
      {std::string("\0", 1), {""}},
      {"a", {"a"}},
      {std::string("a\0", 2), {"a"}},
      {std::string("a\0\0", 3), {"a", ""}},
      {std::string("=\00050\0-n=3", 9), {"=", "50", "-n=3"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Split(c.bytes), c.args);
  EXPECT_EQ(Split(std::string(100, '\0')).size(), fuzzcheck::kMaxFuzzArguments);
}

// The checks must not pass whatever they are shown.
TEST(FuzzRegressions, ChecksRejectTamperedRuns) {
  const std::vector<std::string> args = {"=", "5", "-n=2", "-L"};
  const fuzzcheck::TProgramOutcomeRec good = RunInProcess(args);
  ASSERT_EQ(fuzzcheck::CheckProgramRun(args, good, "Linewright"), "");

  fuzzcheck::TProgramOutcomeRec bad = good;
  bad.Out = Nl("===== Length: 5\n");
  EXPECT_NE(fuzzcheck::CheckProgramRun(args, bad, "Linewright"), "") << "a line missing";
  bad = good;
  bad.Out = Nl("===== Length: 4\n===== Length: 4\n");
  EXPECT_NE(fuzzcheck::CheckProgramRun(args, bad, "Linewright"), "") << "wrong length suffix";
  bad = good;
  bad.ExitCode = expected::kExitInvalid;
  EXPECT_NE(fuzzcheck::CheckProgramRun(args, bad, "Linewright"), "") << "error code with output";
  bad = good;
  bad.Err = "noise";
  EXPECT_NE(fuzzcheck::CheckProgramRun(args, bad, "Linewright"), "")
      << "unasked-for standard error";
  bad = good;
  bad.Sleeps = 30;
  EXPECT_NE(fuzzcheck::CheckSameOutcome(good, bad), "") << "a repeated run that differs";

  const std::vector<std::string> incomplete = {"=", "50", "extra", "-c"};
  fuzzcheck::TProgramOutcomeRec error = RunInProcess(incomplete);
  ASSERT_EQ(fuzzcheck::CheckProgramRun(incomplete, error, "Linewright"), "");
  error.ExitCode = expected::kExitInvalid;
  error.Err.clear();
  EXPECT_NE(fuzzcheck::CheckProgramRun(incomplete, error, "Linewright"), "")
      << "65 where 67 is due";
}
