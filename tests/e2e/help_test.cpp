// Requested help: the full and the extended form on standard output, under
// the name the executable file has.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helper.h"
#include "tests/e2e/expected_text.h"

namespace {

const std::vector<std::string> kOptionLines = {
    "-------------------",
    "OPTION DEFINITIONS:",
    "-------------------",
    " -L, --Len, --Length ....... Display the length of the string",
    " -c, --char ................ Select the character to make into a string",
    " -n, --number, --quantity .. Select the number of lines to display (default = 1)",
    " -b, --banner .............. Display banner information on each program execution",
    " -v, --verbose, --build .... Display extended build information, plus application exit/return "
    "codes",
    " -h, --help, -? ............ Display this help message.",
    "     --h2, --??, --help2 ... Display extended help information, plus exit/return codes.",
    " -i, --info ................ Display banner and build information, then exit.",
    "     --version-only ........ Display build information without banner, then exit."};

const std::vector<std::string> kExtendedOptionLines = {
    "     --audible-error ....... Enable a beep on syntax error.",
    "     --error-delay ......... Enable a ~7 second delay on syntax error.",
    "     --debug-mode .......... Enable debug mode, which includes enabling Audible Error and "
    "Error Delay."};

std::vector<std::string> Examples(const std::string& name) {
  std::string n = " " + name;
  return {"",
          "----------------",
          "SYNTAX EXAMPLES:",
          "----------------",
          n + " . 40",
          n + " - 80 --banner",
          n + " = 50 -n=3",
          n + " z 100",
          n + " z 100 -c=#",
          n + " ^^ 90",
          n + " \"|\" 2000 -L --Verbose",
          n + " -i",
          n + " -h",
          ""};
}

std::vector<std::string> Notes(const std::string& name) {
  return {"--------------------",
          "GENERAL USAGE NOTES:",
          "--------------------",
          " * Entering " + name + " with no parameters will display this help message.",
          " * Parameters surrounded by <> are mandatory; Those surrounded by [] are optional.",
          " * Parameters are case-insensitive, but may be shown in uppercase for clarity.",
          " * Single-character parameters (e.g. -h) can be prefaced by \"-\" or \"/\".",
          " * Multi-character parameters (e.g. --help) should be prefaced by \"--\".",
          " * All parameters need to be separated from each other by at least one space.",
          " * The -H, --?? --Version-Only and --Info parameters supersede all other options -- in "
          "that order.",
          " * The -V parameter causes application build mode info to be shown whenever the banner "
          "is shown.",
          " * Combining -H/-? and -V will display extended help info plus application exit/return "
          "codes.",
          " * The --?? parameter behaves like the -H/-? and -V parameters combined.",
          " * The -I parameter will ONLY show the banner, with build info, and quit.  It will "
          "process no other data.",
          " * The --Version-Only parameter behaves like the -I parameter, but without showing the "
          "banner.",
          " * The application banner is only displayed when Help Syntax is displayed, or when -B "
          "is used.",
          "",
          "-------------------------",
          "APP SPECIFIC USAGE NOTES:",
          "-------------------------",
          " * Characters such as <>^'%&`| must be enclosed in double quotes (\"\").",
          " * The maximum allowed length of a generated string is 1024 characters.",
          " * If /C is used, it will supersede whatever was in parameter slot #1.",
          " * The minimum number of lines which can be generated at one time is 0 lines.",
          " * The maximum number of lines which can be generated at one time is 1000 lines.",
          "",
          "------------------",
          "EXIT/RETURN CODES:",
          "------------------",
          " * Exit/Return Codes will be generated for the following conditions:",
          "      0 - Command Completed Successfully",
          "     64 - Missing Necessary/Essential Parameters",
          "     65 - Invalid parameters were found",
          "     67 - Parameters are missing mandatory values",
          "    255 - Syntax Help Requested"};
}

std::vector<std::string> Joined(const std::vector<std::vector<std::string>>& parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::string FullHelp(const std::string& name) {
  std::vector<std::string> lines = Joined({SyntaxBlock(name), kOptionLines, Examples(name)});
  EXPECT_EQ(lines.size(), 36u);
  return Lines(lines);
}

std::string ExtendedHelp(const std::string& name) {
  std::vector<std::string> lines =
      Joined({SyntaxBlock(name), kOptionLines, kExtendedOptionLines, Examples(name), Notes(name)});
  EXPECT_EQ(lines.size(), 74u);
  return Lines(lines);
}

struct THelpCase {
  std::vector<std::string> Args;
  bool Extended;  // help with verbose: the extended form
};

const THelpCase kHelpCases[] = {{{"-h"}, false},     {{"--help"}, false}, {{"-?"}, false},
                                {{"--??"}, true},    {{"--h2"}, true},    {{"--help2"}, true},
                                {{"-h", "-v"}, true}};

class HelpEndToEnd : public ::testing::TestWithParam<THelpCase> {};
INSTANTIATE_TEST_SUITE_P(Table, HelpEndToEnd, ::testing::ValuesIn(kHelpCases));

TEST_P(HelpEndToEnd, UnderTheNameOfTheCopy) {
  const THelpCase& c = GetParam();
  const std::pair<std::string, std::string> copies[] = {{"Tool.EXE", "Tool"},
                                                        {ProgramFileName(), ProgramBaseName()}};
  for (const auto& [fileName, helpName] : copies) {
    TToolRun how;
    how.Name = fileName;
    TToolResult r = RunTool(c.Args, how);
    SCOPED_TRACE(r.CommandLine);
    EXPECT_EQ(r.Out, c.Extended ? ExtendedHelp(helpName) : FullHelp(helpName));
    EXPECT_EQ(r.ExitStatus, 255);
    EXPECT_FALSE(r.Err.empty()) << "no banner on standard error";
  }
}

}  // namespace
