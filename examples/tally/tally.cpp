// tally: writes the numbers from 1 to <count>, one a line, for scripts that
// need a counter. A second tool of the family, built only against the
// installed CorvaneCore package: the same option spellings, the same
// validation and the same syntax-error report as linewright.
//
//   tally <count> [-s|--step <n>] [-h|--help]
#include <corvane/corvane.h>

#include <cstdint>
#include <string>

using namespace corvane;

CORVANE_BUILD_STAMP;

namespace {

constexpr std::int32_t MaxCount = 1000000;

void WriteUsage() {
  WriteLine(ConsoleOut, " tally <count> [-s|--step <n>] [-h|--help]");
  WriteLine(ConsoleOut, "   writes 1 to <count> (at most 1000000), every <n>th number (default 1)");
}

// The family's error exit: report on standard error, the usage after it
// (the report has turned ConsoleOut to standard error), the code to leave.
void SyntaxError(std::int32_t code, const std::string& complaint) {
  ReportCustomSyntaxError(CustomValidation, complaint, CoreState.ErrorDelay,
                          CoreState.AudibleError);
  WriteUsage();
  ExitCode = code;
}

void RunTally() {
  CoreState.ParamMatchMode = pmAttachedValues;  // -s=2 and -s:2 as well as -s 2

  std::int32_t count = 0;
  std::int32_t step = 1;
  GetSlotNumber(ParamStatus, count, 1);
  HelpParam = FindSwitchParam(ParamStatus, "H HELP ?", 0, -1, 0);
  // Only the value matters here; the search's record is not kept.
  FindNumberParam(ParamStatus, "S STEP", step, 1, 1, MaxCount, -1, 0);
  ValidateSyntax(CustomValidation, ParamStatus, CoreState.DefinedAliases, true, -1, -1);

  if (HelpParam.Found) {
    WriteUsage();
    ExitCode = 255;
  } else if (ParamStatus.empty()) {
    SyntaxError(64,
                "Missing Essential Parameters (e.g. <count> " + CoreState.EssentialAliases + ")");
  } else if (CustomValidation.IncompleteCount > 0) {
    SyntaxError(67, "Incomplete Parameters Provided: " + CustomValidation.IncompleteList);
  } else if (CustomValidation.InvalidCount > 0) {
    SyntaxError(65, "Invalid Parameters Provided: " + CustomValidation.InvalidList);
  } else if (count < 1) {
    SyntaxError(65, "Invalid Parameters Provided:  count must be a positive number > 0");
  } else {
    if (count > MaxCount) count = MaxCount;
    for (std::int32_t i = 1; i <= count; i += step) WriteLine(ConsoleOut, std::to_string(i));
  }
}

}  // namespace

int main(int argc, char** argv) {
  PlatformSetArguments(argc, argv);
  CoreInitialize();
  RunTally();
  CoreFinalize();
  // What is still buffered is handed over when main returns.
  return ExitCode;
}
