#include "core/console/error_report.h"

#include "core/console/core_start.h"
#include "corvane/console.h"
#include "core/console/terminal_text.h"
#include "core/console/text_stream.h"
#include "core/platform/platform.h"

namespace corvane {

namespace {

const char kSyntaxPointer[] = "(See Syntax Definition Below)";
const char kPausePrompt[] = "Press Any Key to Continue...";
const int kPauseDots = 30;

void WriteReport(const std::string& complaint, bool pause, bool beep) {
  // Whatever follows an error (help, pause) belongs with the report.
  RebindConsoleOutToErr();
  WriteText(ConsoleErr, "Invalid or Incomplete Syntax!");
  WriteText(ConsoleErr, LineEnd);
  WriteLine(ConsoleErr);
  WriteText(ConsoleErr, "Execution Path ... ");
  WriteData(ConsoleErr, ExePath);
  WriteText(ConsoleErr, LineEnd);
  WriteText(ConsoleErr, "You entered ...... ");
  WriteData(ConsoleErr, CommandLineAsTyped());
  WriteLine(ConsoleErr);
  WriteErrorMessage(complaint, std::string(LineEnd));
  if (beep) {
    // The sound should accompany a report the user can already read.
    FlushStream(ConsoleErr);
    PlatformAlert();
  }
  if (pause) WaitWithDots(kPauseDots, kPausePrompt);
}

}  // namespace

void ReportSyntaxError(const std::string& msg, bool pause, bool beep) {
  // An empty message gets the pointer alone rather than a line that starts
  // with a stray space.
  std::string complaint = msg;
  if (!complaint.empty() && complaint.back() != ' ') complaint += ' ';
  complaint += kSyntaxPointer;
  WriteReport(complaint, pause, beep);
}

void ReportCustomSyntaxError(TParamStatisticsRec&, const std::string& msg, bool pause, bool beep) {
  WriteReport(msg, pause, beep);
}

void WriteErrorMessage(const std::string& body, const std::string& prefix) {
  WriteText(ConsoleErr, prefix);
  // The complaint lists arguments as they were typed.
  WriteData(ConsoleErr, body);
  WriteText(ConsoleErr, LineEnd);
  WriteLine(ConsoleErr);
}

}  // namespace corvane
