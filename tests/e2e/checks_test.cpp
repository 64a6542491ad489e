// The paths other than a plain generating run: syntax errors with their
// report and exit code, help, version-only and info, and their precedence.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_helper.h"
#include "tests/e2e/expected_text.h"

namespace {

const char kEssential[] =
    "Missing Essential Parameters (e.g. <character> <length> -H --HELP -? --H2 --HELP2 --?? "
    "--VERSION-ONLY --BUILD-ONLY --INFO)";
const char kBadLength[] =
    "Invalid Parameters Provided:  String length must be a positive number > 0";

const std::string kBanner = BannerPattern(ProgramBaseName());
const std::string kBuild = BuildLinePattern(ProgramFileName());

struct TSyntaxCase {
  std::vector<std::string> Args;
  int Code;
  std::string Complaint;
  bool Verbose = false;  // the banner with its build line
};

const TSyntaxCase kSyntaxCases[] = {
    {{}, 64, kEssential},
    {{"="}, 64, kEssential},
    {{"=", "0"}, 65, kBadLength},
    {{"=", "abc"}, 65, kBadLength},
    {{"=", "-5"}, 65, kBadLength},
    {{"=", "50", "extra"}, 65, "Invalid Parameters Provided: extra "},
    {{"=", "50", "--bogus", "-n=2", "x"}, 65, "Invalid Parameters Provided: --bogus x "},
    {{"", "50"}, 65, "Invalid Parameters Provided: \"\" "},
    {{"=", "50", "two words"}, 65, "Invalid Parameters Provided: \"two words\" "},
    // Incomplete options outrank unclaimed arguments and the length.
    {{"=", "50", "-c"}, 67, "Incomplete Parameters Provided: -c "},
    {{"=", "50", "extra", "-c"}, 67, "Incomplete Parameters Provided: -c "},
    {{"=", "50", "-c="}, 67, "Incomplete Parameters Provided: -c= "},
    {{"=", "0", "-c", "-L"}, 67, "Incomplete Parameters Provided: -c "},
    // Too few arguments outranks an incomplete option; unclaimed outranks the length test.
    {{"-c"}, 64, kEssential},
    {{"=", "0", "extra"}, 65, "Invalid Parameters Provided: extra "},
    {{"=", "0", "-v"}, 65, kBadLength, true},
};

class SyntaxErrors : public ::testing::TestWithParam<TSyntaxCase> {};
INSTANTIATE_TEST_SUITE_P(Table, SyntaxErrors, ::testing::ValuesIn(kSyntaxCases));

TEST_P(SyntaxErrors, BannerReportAndShortHelpWithTheExitCode) {
  const TSyntaxCase& c = GetParam();
  TToolResult r = RunTool(c.Args);
  SCOPED_TRACE(r.CommandLine);
  EXPECT_EQ(r.ExitStatus, c.Code);
  EXPECT_EQ(r.Out, "");
  const std::string banner = kBanner + (c.Verbose ? kBuild + "\r\n" : "");
  EXPECT_TRUE(
      MatchesWhole(r.Err, banner + Literal(Report(r, c.Complaint) + ShortHelp(ProgramBaseName()))))
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
  EXPECT_EQ(r.ExitStatus, 65);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err.find('\a'), std::string::npos);
  std::string pause = "Press Any Key to Continue..." + std::string(30, '.') + "\r\n\r\n";
  EXPECT_TRUE(MatchesWhole(
      r.Err, kBanner + Literal(Report(r, kBadLength) + pause + ShortHelp(ProgramBaseName()))))
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

const std::string kHelpStart = Lines({"-----------", "CMD SYNTAX:"});
const std::string kLine = Repeat(1, std::string(50, '='));
const TInfoCase kInfoCases[] = {
    {{"-?"}, kBanner, 255, kHelpStart},
    {{"--??"}, kBanner + kBuild + "\r\n", 255, kHelpStart},
    {{"--version-only", "-h"}, kBanner, 255, kHelpStart},
    {{"-h", "x", "y", "z"}, kBanner, 255, kHelpStart},
    {{"--version-only"}, kBuild, 0},
    {{"-i", "--version-only"}, kBuild, 0},
    {{"--BUILD-ONLY"}, kBuild, 0},
    {{"-i"}, kBanner + kBuild + "\r\n", 0},
    {{"-i", "a", "b", "c"}, kBanner + kBuild + "\r\n", 0},
    {{"/INFO", "-c"}, kBanner + kBuild + "\r\n", 0},
    {{"=", "50", "-b"}, kBanner, 0, kLine},
    {{"=", "50", "-v"}, kBanner + kBuild + "\r\n", 0, kLine},
};

class InformationPaths : public ::testing::TestWithParam<TInfoCase> {};
INSTANTIATE_TEST_SUITE_P(Table, InformationPaths, ::testing::ValuesIn(kInfoCases));

TEST_P(InformationPaths, HelpVersionOnlyInfoAndBanner) {
  const TInfoCase& c = GetParam();
  TToolResult r = RunTool(c.Args);
  SCOPED_TRACE(r.CommandLine);
  EXPECT_EQ(r.ExitStatus, c.Code);
  EXPECT_TRUE(MatchesWhole(r.Err, c.ErrPattern)) << r.Err;
  EXPECT_EQ(c.Code == 255 ? r.Out.substr(0, c.Out.size()) : r.Out, c.Out);
}

}  // namespace
