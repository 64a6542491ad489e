#include "core/console/error_report.h"

#include <gtest/gtest.h>

#include <string>

#include "core/console/core_start.h"
#include "core/console/text_stream.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

namespace {

std::string Head(const std::string& dir, const std::string& typed) {
  return Nl("Invalid or Incomplete Syntax!\n\nExecution Path ... ") + dir +
         Nl("\nYou entered ...... ") + typed + Nl("\n");
}

const char kPrompt[] = "Press Any Key to Continue...";

}  // namespace

TEST(ReportSyntaxError, PointsToTheSyntaxWithExactlyOneSpace) {
  const struct {
    const char* msg;
    const char* complaint;
  } cases[] = {
      {"Length missing", "Length missing (See Syntax Definition Below)"},
      {"Length missing ", "Length missing (See Syntax Definition Below)"},
      {"Two  ", "Two  (See Syntax Definition Below)"},
      {"", "(See Syntax Definition Below)"},
  };
  for (const auto& c : cases) {
    TCaptureScope scope({"=", "x"});
    ReportSyntaxError(c.msg, false, false);
    FlushAllStreams();
    EXPECT_EQ(scope.Capture.Err,
              Head("/opt/tools/", "Linewright = x") + Nl("\n") + c.complaint + Nl("\n\n"))
        << '"' << c.msg << '"';
    EXPECT_EQ(scope.Capture.Out, "");
    EXPECT_EQ(scope.Console.Alerts + scope.Console.Starts, 0);
  }
}

TEST(ReportCustomSyntaxError, PrintsTheComplaintUnchangedAndQuotesASpacedDirectory) {
  TCaptureScope scope({"two words", "-n=3", "", "-c:\x07"}, "/opt/My Tools/Linewright",
                      "./Linewright");
  ReportCustomSyntaxError(CustomValidation, "Bad length ", false, false);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Err,
            Head("\"/opt/My Tools/\"", "./Linewright 'two words' -n=3 '' '-c:'$'\\x07'") +
                Nl("\nBad length \n\n"));
}

TEST(WriteErrorMessage, WritesPrefixBodyAndAnEmptyLineToStandardError) {
  TCaptureScope scope;
  WriteErrorMessage("body", "pre:");
  WriteErrorMessage("", "");
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Err, Nl("pre:body\n\n\n\n"));
  EXPECT_EQ(scope.Capture.Out, "");
}

TEST(ErrorReport, SendsConsoleOutToStandardErrorFromThenOn) {
  TCaptureScope scope;
  ReportCustomSyntaxError(CustomValidation, "m", false, false);
  WriteLine(ConsoleOut, "help");
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out, "");
  const std::string tail = Nl("m\n\nhelp\n");
  EXPECT_EQ(scope.Capture.Err.substr(scope.Capture.Err.size() - tail.size()), tail);
}

TEST(ErrorReport, SoundsAndPausesAsTheFlagsSay) {
  const struct {
    bool pause, beep;
    int alerts, starts;
    std::string tail;
  } cases[] = {
      {false, true, 1, 0, ""},
      {true, false, 0, 1, std::string(kPrompt) + std::string(30, '.') + Nl("\n\n")},
      {true, true, 1, 1, std::string(kPrompt) + std::string(30, '.') + Nl("\n\n")},
  };
  for (const auto& c : cases) {
    TCaptureScope scope;
    ReportSyntaxError("m", c.pause, c.beep);
    FlushAllStreams();
    const std::string body =
        Head("/opt/tools/", "Linewright") + Nl("\nm (See Syntax Definition Below)\n\n");
    EXPECT_EQ(scope.Capture.Err, body + c.tail);
    EXPECT_EQ(scope.Capture.Out, "");
    EXPECT_EQ(scope.Console.Alerts, c.alerts);
    EXPECT_EQ(scope.Console.Starts, c.starts);
    EXPECT_EQ(scope.Console.SleptMs, c.pause ? 7500 : 0);
  }
}

TEST(ErrorReport, HasTheWholeReportOutBeforeTheAlert) {
  TCaptureScope scope;
  ReportCustomSyntaxError(CustomValidation, "m", false, true);
  // Nothing flushed here: the report must already have reached the OS.
  EXPECT_EQ(scope.Capture.Err, Head("/opt/tools/", "Linewright") + Nl("\nm\n\n"));
  EXPECT_EQ(scope.Console.Alerts, 1);
}
