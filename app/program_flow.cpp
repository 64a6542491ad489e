#include "app/program_flow.h"

#include "app/checks.h"
#include "app/line_generator.h"
#include "core/console/core_state.h"
#include "core/console/text_stream.h"
#include "core/options/param_matching.h"
#include "core/options/param_slots.h"
#include "linewright_version.h"

using namespace corvane;

char StringChar = 0;
std::int32_t StringLength = 0;
std::string CharValue;
std::int32_t LineCount = 0;
TFindParamRec LengthParam;
TFindParamRec CharParam;
TFindParamRec NumberParam;

void RunMainFlow() {
  CoreState.ParamMatchMode = 2;

  SetAppInfo(AppInfo, LINEWRIGHT_VERSION, LINEWRIGHT_BUILD,
             "Generate string for Shell Scripting Environment", "Linewright", false);

  GetSlotChar(ParamStatus, StringChar, 1);
  GetSlotNumber(ParamStatus, StringLength, 2);

  DebugParam = FindSwitchParam(ParamStatus, "  DEBUG DEBUG-MODE", 0, -1, 0);
  ErrorDelayParam = FindFlagParam(ParamStatus, "  ERROR-DELAY", CoreState.ErrorDelay, -1, 0);
  AudibleErrorParam = FindFlagParam(ParamStatus, "  AUDIBLE-ERROR", CoreState.AudibleError, -1, 0);
  HelpParam = FindSwitchParam(ParamStatus, "H HELP ? H2 HELP2 ??", 0, -1, 0);
  VerboseParam = FindSwitchParam(ParamStatus, "V VERBOSE BUILD H2 HELP2 ??", 0, -1, 0);
  VersionOnlyParam = FindSwitchParam(ParamStatus, "  VERSION-ONLY BUILD-ONLY", 0, -1, 0);
  InfoParam = FindSwitchParam(ParamStatus, "I INFO", 0, -1, 0);
  BannerParam = FindSwitchParam(ParamStatus, "B BANNER", 0, -1, 0);
  LengthParam = FindSwitchParam(ParamStatus, "L LEN LENGTH", 0, -1, 0);
  CharParam = FindTextParam(ParamStatus, "C CHAR", CharValue, pfRequireAllValues, -1, 0);
  NumberParam = FindNumberParam(ParamStatus, "N NUMBER QUANTITY", LineCount, DefaultLineCount,
                                MinLineCount, MaxLineCount, -1, 0);

  if (DebugParam.Found) {
    CoreState.AudibleError = true;
    CoreState.ErrorDelay = true;
  }

  if (!RunChecks()) return;  // an error or an informational path ended the run

  if (CharParam.Found && !CharValue.empty()) StringChar = CharValue[0];
  if (StringLength > MaxStringLength) StringLength = MaxStringLength;
  GenerateLines(StringChar, StringLength, LineCount, LengthParam.Found);
}

int RunProgram() {
  CoreInitialize();
  RunMainFlow();
  FlushAllStreams();
  return ExitCode;
}

void RestoreProgramDefaults() {
  CoreRestoreDefaults();
  StringChar = 0;
  StringLength = 0;
  CharValue = std::string{};
  LineCount = 0;
  LengthParam = TFindParamRec{};
  CharParam = TFindParamRec{};
  NumberParam = TFindParamRec{};
}
