#include "app/help_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/console/core_state.h"
#include "core/console/text_stream.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

namespace {

// The forms as a reader sees them, for the name "Repeater"; every "\n" here
// stands for CR LF.
constexpr char kShortForm[] = R"help(-----------
CMD SYNTAX:
-----------
 Repeater <character> <length> [options]

 Repeater <character> <length> [-L] [-c <char>] [-n <quantity>] [-b|-v]

 Repeater [-h|-?|--h2|--??] [-v]
 Repeater [-i|--Info|--Version-Only]

For more details, please type: Repeater -?  OR  Repeater --??
)help";

constexpr char kFullForm[] = R"help(-----------
CMD SYNTAX:
-----------
 Repeater <character> <length> [options]

 Repeater <character> <length> [-L] [-c <char>] [-n <quantity>] [-b|-v]

 Repeater [-h|-?|--h2|--??] [-v]
 Repeater [-i|--Info|--Version-Only]

-------------------
OPTION DEFINITIONS:
-------------------
 -L, --Len, --Length ....... Display the length of the string
 -c, --char ................ Select the character to make into a string
 -n, --number, --quantity .. Select the number of lines to display (default = 1)
 -b, --banner .............. Display banner information on each program execution
 -v, --verbose, --build .... Display extended build information, plus application exit/return codes
 -h, --help, -? ............ Display this help message.
     --h2, --??, --help2 ... Display extended help information, plus exit/return codes.
 -i, --info ................ Display banner and build information, then exit.
     --version-only ........ Display build information without banner, then exit.

----------------
SYNTAX EXAMPLES:
----------------
 Repeater . 40
 Repeater - 80 --banner
 Repeater = 50 -n=3
 Repeater z 100
 Repeater z 100 -c=#
 Repeater ^^ 90
 Repeater "|" 2000 -L --Verbose
 Repeater -i
 Repeater -h

)help";

constexpr char kExtendedForm[] = R"help(-----------
CMD SYNTAX:
-----------
 Repeater <character> <length> [options]

 Repeater <character> <length> [-L] [-c <char>] [-n <quantity>] [-b|-v]

 Repeater [-h|-?|--h2|--??] [-v]
 Repeater [-i|--Info|--Version-Only]

-------------------
OPTION DEFINITIONS:
-------------------
 -L, --Len, --Length ....... Display the length of the string
 -c, --char ................ Select the character to make into a string
 -n, --number, --quantity .. Select the number of lines to display (default = 1)
 -b, --banner .............. Display banner information on each program execution
 -v, --verbose, --build .... Display extended build information, plus application exit/return codes
 -h, --help, -? ............ Display this help message.
     --h2, --??, --help2 ... Display extended help information, plus exit/return codes.
 -i, --info ................ Display banner and build information, then exit.
     --version-only ........ Display build information without banner, then exit.
     --audible-error ....... Enable a beep on syntax error.
     --error-delay ......... Enable a ~7 second delay on syntax error.
     --debug-mode .......... Enable debug mode, which includes enabling Audible Error and Error Delay.

----------------
SYNTAX EXAMPLES:
----------------
 Repeater . 40
 Repeater - 80 --banner
 Repeater = 50 -n=3
 Repeater z 100
 Repeater z 100 -c=#
 Repeater ^^ 90
 Repeater "|" 2000 -L --Verbose
 Repeater -i
 Repeater -h

--------------------
GENERAL USAGE NOTES:
--------------------
 * Entering Repeater with no parameters will display this help message.
 * Parameters surrounded by <> are mandatory; Those surrounded by [] are optional.
 * Parameters are case-insensitive, but may be shown in uppercase for clarity.
 * Single-character parameters (e.g. -h) can be prefaced by "-" or "/".
 * Multi-character parameters (e.g. --help) should be prefaced by "--".
 * All parameters need to be separated from each other by at least one space.
 * The -H, --?? --Version-Only and --Info parameters supersede all other options -- in that order.
 * The -V parameter causes application build mode info to be shown whenever the banner is shown.
 * Combining -H/-? and -V will display extended help info plus application exit/return codes.
 * The --?? parameter behaves like the -H/-? and -V parameters combined.
 * The -I parameter will ONLY show the banner, with build info, and quit.  It will process no other data.
 * The --Version-Only parameter behaves like the -I parameter, but without showing the banner.
 * The application banner is only displayed when Help Syntax is displayed, or when -B is used.

-------------------------
APP SPECIFIC USAGE NOTES:
-------------------------
 * Characters such as <>^'%&`| must be enclosed in double quotes ("").
 * The maximum allowed length of a generated string is 1024 characters.
 * If /C is used, it will supersede whatever was in parameter slot #1.
 * The minimum number of lines which can be generated at one time is 0 lines.
 * The maximum number of lines which can be generated at one time is 1000 lines.

------------------
EXIT/RETURN CODES:
------------------
 * Exit/Return Codes will be generated for the following conditions:
      0 - Command Completed Successfully
     64 - Missing Necessary/Essential Parameters
     65 - Invalid parameters were found
     67 - Parameters are missing mandatory values
    255 - Syntax Help Requested
)help";

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string CaptureHelp(const std::string& name, bool shortHelp, bool verbose) {
  TCaptureScope scope;
  AppInfo.BaseName = name;
  VerboseParam.Found = verbose;
  DisplayHelpSyntax(shortHelp);
  FlushAllStreams();
  return scope.Capture.Out;
}

// The lines of a CR LF text; a trailing line end closes the last line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

std::size_t CountOf(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = text.find(word, at)) != std::string::npos; ++at) ++count;
  return count;
}

struct THelpCase {
  const char* Label;
  bool ShortHelp;
  bool Verbose;
  const char* Expected;
  std::size_t LineCount;
  std::size_t NameCount;
  std::vector<std::size_t> DashLengths;
};

const std::vector<THelpCase> kCases = {
    {"short", true, false, kShortForm, 11, 6, {11}},
    {"short, verbose", true, true, kShortForm, 11, 6, {11}},
    {"full", false, false, kFullForm, 36, 13, {11, 19, 16}},
    {"extended", false, true, kExtendedForm, 74, 14, {11, 19, 16, 20, 25, 18}},
};

TEST(HelpText, EachFormIsWrittenWordForWord) {
  for (const THelpCase& c : kCases) {
    std::string out = CaptureHelp("Repeater", c.ShortHelp, c.Verbose);
    EXPECT_EQ(out, WithCrLf(c.Expected)) << c.Label;
    EXPECT_EQ(SplitLines(out).size(), c.LineCount) << c.Label;
    EXPECT_EQ(CountOf(out, "Repeater"), c.NameCount) << c.Label;
  }
}

TEST(HelpText, NameStandsAtEveryPlaceAsGiven) {
  for (const std::string name : {"my Tool", "LW2", ""}) {
    for (const THelpCase& c : kCases) {
      std::string out = CaptureHelp(name, c.ShortHelp, c.Verbose);
      EXPECT_EQ(out, ReplaceAll(WithCrLf(c.Expected), "Repeater", name))
          << c.Label << " for " << name;
      if (!name.empty()) {
        EXPECT_EQ(CountOf(out, name), c.NameCount) << c.Label << " for " << name;
      }
    }
  }
}

TEST(HelpText, HeadingsAreFramedByDashLinesOfTheirLength) {
  for (const THelpCase& c : kCases) {
    std::vector<std::string> lines = SplitLines(CaptureHelp("Repeater", c.ShortHelp, c.Verbose));
    std::vector<std::size_t> lengths;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
      const std::string& dashes = lines[i];
      if (dashes.empty() || dashes.find_first_not_of('-') != std::string::npos) continue;
      lengths.push_back(dashes.size());
      EXPECT_EQ(lines[i + 1].size(), dashes.size()) << c.Label << ": " << lines[i + 1];
      EXPECT_EQ(lines[i + 2], dashes) << c.Label;
      ASSERT_LT(i + 3, lines.size()) << c.Label;
      EXPECT_FALSE(lines[i + 3].empty()) << c.Label << ": blank line after " << lines[i + 1];
      i += 2;
    }
    EXPECT_EQ(lengths, c.DashLengths) << c.Label;
  }
}

TEST(HelpText, LinesArePlainAsciiWithoutTrailingBlanks) {
  for (const THelpCase& c : kCases) {
    for (const std::string& line : SplitLines(CaptureHelp("Repeater", c.ShortHelp, c.Verbose))) {
      EXPECT_FALSE(line.ends_with(' ')) << c.Label << ": " << line;
      for (char ch : line) EXPECT_TRUE(ch >= ' ' && ch <= '~') << c.Label << ": " << line;
    }
  }
}

TEST(HelpText, OptionDescriptionsAndExitCodesLineUp) {
  std::string section;
  std::size_t optionLines = 0;
  std::size_t codeLines = 0;
  for (const std::string& line : SplitLines(CaptureHelp("Repeater", false, true))) {
    if (line.find_first_not_of('-') == std::string::npos) continue;  // dash lines, empty lines
    if (line.ends_with(':') && !line.starts_with(' ')) {
      section = line;
    } else if (section == "OPTION DEFINITIONS:") {
      ++optionLines;
      // One-letter forms at the 2nd character, long-only ones under the long forms.
      EXPECT_TRUE((line.starts_with(" -") && line[2] != '-') || line.starts_with("     --"))
          << line;
      // The description starts at the 30th character, after the dot leader.
      ASSERT_GT(line.size(), 30u) << line;
      EXPECT_EQ(line.substr(27, 2), ". ") << line;
      EXPECT_NE(line[29], ' ') << line;
    } else if (section == "EXIT/RETURN CODES:" && line.starts_with("   ")) {
      ++codeLines;
      // Right-aligned: blanks, then digits whose last stands at the 7th character.
      std::size_t first = line.find_first_not_of(' ');
      EXPECT_EQ(line.find_first_not_of("0123456789", first), 7u) << line;
      EXPECT_EQ(line.substr(7, 3), " - ") << line;
    }
  }
  EXPECT_EQ(optionLines, 12u);
  EXPECT_EQ(codeLines, 5u);
}

TEST(HelpText, EveryCallWritesTheWholeForm) {
  TCaptureScope scope;
  AppInfo.BaseName = "Repeater";
  DisplayHelpSyntax(false);
  DisplayHelpSyntax(true);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out, WithCrLf(kFullForm) + WithCrLf(kShortForm));
}

TEST(HelpText, FollowsConsoleOutToStandardError) {
  TCaptureScope scope;
  AppInfo.BaseName = "Repeater";
  RebindConsoleOutToErr();
  DisplayHelpSyntax(true);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out, "");
  EXPECT_EQ(scope.Capture.Err, WithCrLf(kShortForm));
}

}  // namespace
