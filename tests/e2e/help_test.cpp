// Requested help: the full and the extended form on standard output, under
// the name the executable file has.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helper.h"
#include "tests/support/expected_help.h"
#include "tests/support/expected_rules.h"

namespace {

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
    EXPECT_EQ(r.Out, expected::ExpectedHelp(c.Extended ? expected::hfExtended : expected::hfFull,
                                            helpName));
    EXPECT_EQ(r.ExitStatus, expected::kExitHelp);
    EXPECT_FALSE(r.Err.empty()) << "no banner on standard error";
  }
}

}  // namespace
