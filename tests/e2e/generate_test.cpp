// Generating runs: exact bytes on standard output, nothing on standard
// error, exit status 0.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_helper.h"
#include "tests/support/expected_rules.h"

namespace {

const std::string kFifty(50, '=');

const TRunCase kCases[] = {
    {{"=", "5000"}, Repeat(1, std::string(expected::kMaxLength, '='))},
    {{"=", "50"}, Repeat(1, kFifty)},
    {{"=", "50", "-n=3"}, Repeat(3, kFifty)},
    {{"=", "50", "-n", "3"}, Repeat(3, kFifty)},
    {{"=", "50", "-N:3"}, Repeat(3, kFifty)},
    {{"=", "50", "/quantity=3"}, Repeat(3, kFifty)},
    {{"=", "50", "--NUMBER", "3"}, Repeat(3, kFifty)},
    {{"=", "50", "-n=0"}, ""},
    {{"=", "50", "-n=abc"}, Repeat(1, kFifty)},
    {{"=", "50", "-n="}, Repeat(1, kFifty)},
    {{"=", "50", "-n"}, Repeat(1, kFifty)},
    {{"=", "50", "-n=5000"}, Repeat(expected::kMaxLines, kFifty)},
    {{"z", "100", "-c=#"}, Repeat(1, std::string(100, '#'))},
    {{"=", "10", "-c=xyz"}, Repeat(1, std::string(10, 'x'))},
    {{"=", "10", "/C", "*"}, Repeat(1, std::string(10, '*'))},
    {{"=", "5", "-L"}, Repeat(1, "===== Length: 5")},
    {{"=", "5", "--length", "-n:2"}, Repeat(2, "===== Length: 5")},
    {{"=", "50", "--debug"}, Repeat(1, kFifty)},
    {{"abc", "1,024"}, Repeat(1, std::string(1024, 'a'))},
    {{"-", "12.9"}, Repeat(1, std::string(12, '-'))},
    {{".", "0x20"}, Repeat(1, std::string(32, '.'))},
    {{".", "$FF"}, Repeat(1, std::string(255, '.'))},
    // A length above the limit is cut to it, however large: never wrapped.
    {{"=", "4294967297"}, Repeat(1, std::string(1024, '='))},
    {{"-", "2147483648"}, Repeat(1, std::string(1024, '-'))},
    {{"-", "99999999999999999999999"}, Repeat(1, std::string(1024, '-'))},
};

class GenerateEndToEnd : public ::testing::TestWithParam<TRunCase> {};
INSTANTIATE_TEST_SUITE_P(Table, GenerateEndToEnd, ::testing::ValuesIn(kCases));
TEST_P(GenerateEndToEnd, ExactLines) { ExpectRun(GetParam()); }

TEST(GenerateUnderAnotherName, TypicalRequest) {
  TToolRun how;
  how.Name = "Tool.EXE";
  how.DirName = "dir with space";
  TToolResult r = RunTool({"=", "50", "-n=3"}, how);
  EXPECT_EQ(r.Out, Repeat(3, kFifty));
  EXPECT_EQ(r.ExitStatus, 0);
}

}  // namespace
