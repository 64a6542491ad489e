#include <gtest/gtest.h>

#include "tests/e2e/e2e_helper.h"

TEST(GenerateEndToEnd, WritesOneLinePerDefault) {
  TToolResult r = RunTool({"=", "50"});
  EXPECT_EQ(r.Out, std::string(50, '=') + "\r\n");
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(r.ExitStatus, 0);
}
