// The paths other than a plain generating run: syntax errors with their
// report and exit code, help, version-only and info, and their precedence.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_helper.h"
#include "tests/e2e/expected_text.h"

namespace {

const char kEssential[] =
    "Missing Essential Parameters (e.g. <character> <length> -H --HELP -? --H2 --HELP2 --?? "
    "--VERSION-ONLY --BUILD-ONLY --INFO)";
const char kBadLength[] = "Invalid Parameters Provided:  String length must be a positive number > 0";

std::string Joined(const std::vector<std::string>& args) {
  std::string line = "Linewright";
  // As the report shows it: quoted the way a POSIX shell needs it.
  for (const std::string& a : args) {
    line += " " + (a.empty() || a.find(' ') != std::string::npos ? "'" + a + "'" : a);
  }
  return line;
}

// Standard error of a syntax error: banner, report, short help.
void ExpectSyntaxError(const std::vector<std::string>& args, int code, const std::string& complaint) {
  TToolResult r = RunTool(args);
  SCOPED_TRACE(Joined(args));
  EXPECT_EQ(r.ExitStatus, code);
  EXPECT_EQ(r.Out, "");
  std::string expected = BannerPattern("Linewright") + Literal(Report(r, Joined(args), complaint)) +
                         Literal(ShortHelp("Linewright"));
  EXPECT_TRUE(MatchesWhole(r.Err, expected)) << r.Err;
}

}  // namespace

TEST(SyntaxErrors, MissingParametersGive64) {
  ExpectSyntaxError({}, 64, kEssential);
  ExpectSyntaxError({"="}, 64, kEssential);
}

TEST(SyntaxErrors, LengthBelowOneGives65) {
  ExpectSyntaxError({"=", "0"}, 65, kBadLength);
  ExpectSyntaxError({"=", "abc"}, 65, kBadLength);
  ExpectSyntaxError({"=", "-5"}, 65, kBadLength);
}

TEST(SyntaxErrors, UnclaimedArgumentsGive65) {
  ExpectSyntaxError({"=", "50", "extra"}, 65, "Invalid Parameters Provided: extra ");
  ExpectSyntaxError({"=", "50", "--bogus", "-n=2", "x"}, 65, "Invalid Parameters Provided: --bogus x ");
  ExpectSyntaxError({"", "50"}, 65, "Invalid Parameters Provided: \"\" ");
  ExpectSyntaxError({"=", "50", "two words"}, 65, "Invalid Parameters Provided: \"two words\" ");
}

TEST(SyntaxErrors, IncompleteOptionsGive67BeforeUnclaimed) {
  ExpectSyntaxError({"=", "50", "-c"}, 67, "Incomplete Parameters Provided: -c ");
  ExpectSyntaxError({"=", "50", "extra", "-c"}, 67, "Incomplete Parameters Provided: -c ");
  ExpectSyntaxError({"=", "50", "-c="}, 67, "Incomplete Parameters Provided: -c= ");
  ExpectSyntaxError({"=", "0", "-c", "-L"}, 67, "Incomplete Parameters Provided: -c ");
}

TEST(SyntaxErrors, PrecedenceAmongErrors) {
  // Too few arguments outranks an incomplete option; unclaimed outranks the length test.
  ExpectSyntaxError({"-c"}, 64, kEssential);
  ExpectSyntaxError({"=", "0", "extra"}, 65, "Invalid Parameters Provided: extra ");
}

TEST(SyntaxErrors, VerboseAddsTheBuildLineToTheBanner) {
  TToolResult r = RunTool({"=", "0", "-v"});
  EXPECT_EQ(r.ExitStatus, 65);
  EXPECT_EQ(r.Out, "");
  EXPECT_TRUE(MatchesWhole(r.Err, BannerPattern("Linewright") + BuildLinePattern("Linewright") + "\r\n" +
                                      Literal(Report(r, "Linewright = 0 -v", kBadLength)) +
                                      Literal(ShortHelp("Linewright"))))
      << r.Err;
}

TEST(SyntaxErrors, DebugModePausesAfterTheReportWithoutAnAlertByte) {
  TToolRun how;
  how.TimeoutSeconds = 20;
  TToolResult r = RunTool({"=", "0", "--debug"}, how);
  EXPECT_EQ(r.ExitStatus, 65);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err.find('\a'), std::string::npos);
  std::string pause = "Press Any Key to Continue..." + std::string(30, '.') + "\r\n\r\n";
  EXPECT_TRUE(MatchesWhole(r.Err, BannerPattern("Linewright") +
                                      Literal(Report(r, "Linewright = 0 --debug", kBadLength) + pause +
                                              ShortHelp("Linewright"))))
      << r.Err;
  EXPECT_GT(r.Seconds, 7.0);
  EXPECT_LT(r.Seconds, 12.0);
}

TEST(InformationPaths, HelpVersionOnlyAndInfo) {
  const std::string banner = BannerPattern("Linewright");
  const std::string build = BuildLinePattern("Linewright");
  const struct {
    std::vector<std::string> args;
    std::string errPattern;
    bool helpOnOut;
    int code;
  } cases[] = {
      {{"-?"}, banner, true, 255},
      {{"--??"}, banner + build + "\r\n", true, 255},
      {{"--version-only", "-h"}, banner, true, 255},
      {{"-h", "x", "y", "z"}, banner, true, 255},
      {{"-i", "--version-only"}, build, false, 0},
      {{"--BUILD-ONLY"}, build, false, 0},
      {{"-i"}, banner + build + "\r\n", false, 0},
      {{"-i", "a", "b", "c"}, banner + build + "\r\n", false, 0},
      {{"/INFO", "-c"}, banner + build + "\r\n", false, 0},
  };
  for (const auto& c : cases) {
    TToolResult r = RunTool(c.args);
    SCOPED_TRACE(Joined(c.args));
    EXPECT_EQ(r.ExitStatus, c.code);
    EXPECT_TRUE(MatchesWhole(r.Err, c.errPattern)) << r.Err;
    if (c.helpOnOut) {
      EXPECT_EQ(r.Out.rfind(Lines({"-----------", "CMD SYNTAX:"}), 0), 0u);
    } else {
      EXPECT_EQ(r.Out, "");
    }
  }
}

TEST(InformationPaths, BannerOnAGeneratingRun) {
  TToolResult b = RunTool({"=", "50", "-b"});
  EXPECT_EQ(b.ExitStatus, 0);
  EXPECT_EQ(b.Out, std::string(50, '=') + "\r\n");
  EXPECT_TRUE(MatchesWhole(b.Err, BannerPattern("Linewright"))) << b.Err;

  TToolResult v = RunTool({"=", "50", "-v"});
  EXPECT_EQ(v.ExitStatus, 0);
  EXPECT_EQ(v.Out, std::string(50, '=') + "\r\n");
  EXPECT_TRUE(MatchesWhole(v.Err, BannerPattern("Linewright") + BuildLinePattern("Linewright") + "\r\n"))
      << v.Err;
}
