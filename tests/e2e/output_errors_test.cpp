// A failed write must never be reported as success, and must never hang.
#include <gtest/gtest.h>

#include <csignal>

#include "tests/e2e/e2e_helper.h"

TEST(OutputErrors, FullDeviceGivesNonZeroStatusAndAMessage) {
  TToolRun how;
  how.StdoutPath = "/dev/full";
  TToolResult r = RunTool({"=", "50", "-n=3"}, how);
  EXPECT_NE(r.ExitStatus, 0);
  EXPECT_EQ(r.Signal, 0);
  // Named as the file under test is: "Linewright" for the Windows build.
  EXPECT_EQ(r.Err, ProgramBaseName() + Nl(": writing standard output failed\n"));
}

TEST(OutputErrors, ClosedStandardOutputGivesNonZeroStatus) {
  TToolRun how;
  how.CloseStdout = true;
  TToolResult r = RunTool({"=", "50"}, how);
  EXPECT_NE(r.ExitStatus, 0);
  EXPECT_EQ(r.Signal, 0);
  EXPECT_NE(r.Err, "");
}

TEST(OutputErrors, ReaderThatGoesAwayEndsTheProgramPromptly) {
  TToolRun how;
  how.CloseReadEarly = true;
  how.TimeoutSeconds = 10;
  TToolResult r = RunTool({"=", "1024", "-n=1000", "-L"}, how);
  EXPECT_FALSE(r.TimedOut);
  // Either SIGPIPE, as usual, or an error status when SIGPIPE is ignored.
  EXPECT_TRUE(r.Signal == SIGPIPE || r.ExitStatus > 0) << r.Signal << " " << r.ExitStatus;
}
