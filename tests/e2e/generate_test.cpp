// Generating runs: exact bytes on standard output, nothing on standard
// error, exit status 0.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_helper.h"

namespace {

std::string Repeat(int lines, const std::string& line) {
  std::string out;
  for (int i = 0; i < lines; ++i) out += line + "\r\n";
  return out;
}

}  // namespace

TEST(GenerateEndToEnd, OptionTableCases) {
  const std::string fifty(50, '=');
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"=", "5000"}, Repeat(1, std::string(1024, '='))},
      {{"=", "50"}, Repeat(1, fifty)},
      {{"=", "50", "-n=3"}, Repeat(3, fifty)},
      {{"=", "50", "-n", "3"}, Repeat(3, fifty)},
      {{"=", "50", "-N:3"}, Repeat(3, fifty)},
      {{"=", "50", "/quantity=3"}, Repeat(3, fifty)},
      {{"=", "50", "--NUMBER", "3"}, Repeat(3, fifty)},
      {{"=", "50", "-n=0"}, ""},
      {{"=", "50", "-n=abc"}, Repeat(1, fifty)},
      {{"=", "50", "-n="}, Repeat(1, fifty)},
      {{"=", "50", "-n"}, Repeat(1, fifty)},
      {{"=", "50", "-n=5000"}, Repeat(1000, fifty)},
      {{"z", "100", "-c=#"}, Repeat(1, std::string(100, '#'))},
      {{"=", "10", "-c=xyz"}, Repeat(1, std::string(10, 'x'))},
      {{"=", "10", "/C", "*"}, Repeat(1, std::string(10, '*'))},
      {{"=", "5", "-L"}, Repeat(1, "===== Length: 5")},
      {{"=", "5", "--length", "-n:2"}, Repeat(2, "===== Length: 5")},
      {{"=", "50", "--debug"}, Repeat(1, fifty)},
      {{"abc", "1,024"}, Repeat(1, std::string(1024, 'a'))},
      {{"-", "12.9"}, Repeat(1, std::string(12, '-'))},
      {{".", "0x20"}, Repeat(1, std::string(32, '.'))},
      {{".", "$FF"}, Repeat(1, std::string(255, '.'))},
      {{"\xc3\xa9", "3"}, Repeat(1, "\xc3\xc3\xc3")},
      {{"=", "4294967297"}, Repeat(1, "=")},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += a + " ";
    TToolResult r = RunTool(c.args);
    EXPECT_EQ(r.Out, c.out) << shown;
    EXPECT_EQ(r.Err, "") << shown;
    EXPECT_EQ(r.ExitStatus, 0) << shown;
  }
}

TEST(GenerateEndToEnd, TypicalRequestUnderAnotherName) {
  TToolRun how;
  how.Name = "Tool.EXE";
  how.DirName = "dir with space";
  TToolResult r = RunTool({"=", "50", "-n=3"}, how);
  EXPECT_EQ(r.Out, Repeat(3, std::string(50, '=')));
  EXPECT_EQ(r.ExitStatus, 0);
}
