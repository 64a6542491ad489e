// The paths other than a plain generating run: syntax errors with their
// report and exit code, help, version-only and info, and their precedence.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_helper.h"
#include "tests/e2e/expected_text.h"
#include "tests/support/expected_help.h"
#include "tests/support/expected_rules.h"

namespace {

using namespace expected;

const std::string kEssential = MissingComplaint();

const std::string kBanner = BannerPattern(ProgramBaseName());
const std::string kBuild = BuildLinePattern(ProgramFileName());

struct TSyntaxCase {
  std::vector<std::string> Args;
  int Code;
  std::string Complaint;
  bool Verbose = false;  // the banner with its build line
};

const TSyntaxCase kSyntaxCases[] = {
    {{}, kExitMissing, kEssential},
    {{"="}, kExitMissing, kEssential},
    {{"=", "0"}, kExitInvalid, kBadLengthComplaint},
    {{"=", "abc"}, kExitInvalid, kBadLengthComplaint},
    {{"=", "-5"}, kExitInvalid, kBadLengthComplaint},
    {{"=", "50", "extra"}, kExitInvalid, InvalidComplaint("extra ")},
    {{"=", "50", "--bogus", "-n=2", "x"}, kExitInvalid, InvalidComplaint("--bogus x ")},
    {{"", "50"}, kExitInvalid, InvalidComplaint("\"\" ")},
    {{"=", "50", "two words"}, kExitInvalid, InvalidComplaint("\"two words\" ")},
    // Incomplete options outrank unclaimed arguments and the length.
    {{"=", "50", "-c"}, kExitIncomplete, IncompleteComplaint("-c ")},
    {{"=", "50", "extra", "-c"}, kExitIncomplete, IncompleteComplaint("-c ")},
    {{"=", "50", "-c="}, kExitIncomplete, IncompleteComplaint("-c= ")},
    {{"=", "0", "-c", "-L"}, kExitIncomplete, IncompleteComplaint("-c ")},
    // Too few arguments outranks an incomplete option; unclaimed outranks the length test.
    {{"-c"}, kExitMissing, kEssential},
    {{"=", "0", "extra"}, kExitInvalid, InvalidComplaint("extra ")},
    {{"=", "0", "-v"}, kExitInvalid, kBadLengthComplaint, true},
};

class SyntaxErrors : public ::testing::TestWithParam<TSyntaxCase> {};
INSTANTIATE_TEST_SUITE_P(Table, SyntaxErrors, ::testing::ValuesIn(kSyntaxCases));

TEST_P(SyntaxErrors, BannerReportAndShortHelpWithTheExitCode) {
  const TSyntaxCase& c = GetParam();
  TToolResult r = RunTool(c.Args);
  SCOPED_TRACE(r.CommandLine);
  EXPECT_EQ(r.ExitStatus, c.Code);
  EXPECT_EQ(r.Out, "");
  const std::string banner = kBanner + (c.Verbose ? kBuild + Nl("\n") : "");
  EXPECT_TRUE(MatchesWhole(
      r.Err, banner + Literal(Report(r, c.Complaint) + ExpectedHelp(hfShort, ProgramBaseName()))))
      << r.Err;
}

// Standard input that is no terminal, empty or with bytes waiting, has no key press.
class DebugPause : public ::testing::TestWithParam<std::string> {};
INSTANTIATE_TEST_SUITE_P(Stdin, DebugPause, ::testing::Values("", "x\r\n\r\nmore keys\r\n"));

TEST_P(DebugPause, PausesAfterTheReportWithoutAnAlertByte) {
  TToolRun how;
  how.Stdin = GetParam();
  how.TimeoutSeconds = 20;
  TToolResult r = RunTool({"=", "0", "--debug"}, how);
  EXPECT_EQ(r.ExitStatus, kExitInvalid);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err.find('\a'), std::string::npos);
  std::string pause = "Press Any Key to Continue..." + std::string(30, '.') + Nl("\n\n");
  EXPECT_TRUE(MatchesWhole(r.Err, kBanner + Literal(Report(r, kBadLengthComplaint) + pause +
                                                    ExpectedHelp(hfShort, ProgramBaseName()))))
      << r.Err;
  EXPECT_GT(r.Seconds, 7.0);
  EXPECT_LT(r.Seconds, 12.0);
}

// Help (standard output starting with the syntax block), information and a
// banner on request.
struct TInfoCase {
  std::vector<std::string> Args;
  std::string ErrPattern;
  int Code;
  std::string Out = {};
};

const std::string kHelpStart = HelpBytes(kHelpHeading, "");
const std::string kLine = Repeat(1, std::string(50, '='));
const TInfoCase kInfoCases[] = {
    {{"-?"}, kBanner, kExitHelp, kHelpStart},
    {{"--??"}, kBanner + kBuild + Nl("\n"), kExitHelp, kHelpStart},
    {{"--version-only", "-h"}, kBanner, kExitHelp, kHelpStart},
    {{"-h", "x", "y", "z"}, kBanner, kExitHelp, kHelpStart},
    {{"--version-only"}, kBuild, kExitDone},
    {{"-i", "--version-only"}, kBuild, kExitDone},
    {{"--BUILD-ONLY"}, kBuild, kExitDone},
    {{"-i"}, kBanner + kBuild + Nl("\n"), kExitDone},
    {{"-i", "a", "b", "c"}, kBanner + kBuild + Nl("\n"), kExitDone},
    {{"/INFO", "-c"}, kBanner + kBuild + Nl("\n"), kExitDone},
    {{"=", "50", "-b"}, kBanner, kExitDone, kLine},
    {{"=", "50", "-v"}, kBanner + kBuild + Nl("\n"), kExitDone, kLine},
};

class InformationPaths : public ::testing::TestWithParam<TInfoCase> {};
INSTANTIATE_TEST_SUITE_P(Table, InformationPaths, ::testing::ValuesIn(kInfoCases));

TEST_P(InformationPaths, HelpVersionOnlyInfoAndBanner) {
  const TInfoCase& c = GetParam();
  TToolResult r = RunTool(c.Args);
  SCOPED_TRACE(r.CommandLine);
  EXPECT_EQ(r.ExitStatus, c.Code);
  EXPECT_TRUE(MatchesWhole(r.Err, c.ErrPattern)) << r.Err;
  EXPECT_EQ(c.Code == kExitHelp ? r.Out.substr(0, c.Out.size()) : r.Out, c.Out);
}

}  // namespace
