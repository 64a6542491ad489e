#include "app/program_flow.h"

#include "app/checks.h"
#include "app/line_generator.h"
#include "app/option_aliases.h"
#include "core/console/core_start.h"
#include "core/console/text_stream.h"
#include "core/options/param_matching.h"
#include "corvane/options.h"
#include "linewright_version.h"

std::string StringChar;
std::int32_t StringLength = 0;
std::string CharValue;
std::int32_t LineCount = 0;
corvane::TFindParamRec LengthParam;
corvane::TFindParamRec CharParam;
corvane::TFindParamRec NumberParam;

void RunMainFlow() {
  corvane::CoreState.ParamMatchMode = corvane::pmAttachedValues;

  corvane::SetAppInfo(corvane::AppInfo, LINEWRIGHT_VERSION, LINEWRIGHT_BUILD,
                      "Generate string for Shell Scripting Environment", "Linewright", false);

  corvane::GetSlotCharacter(corvane::ParamStatus, StringChar, 1);
  // A length above the limit, however large, is cut to it; the checks see
  // the cut length, which is below 1 exactly when the typed one is.
  corvane::GetSlotCount(corvane::ParamStatus, StringLength, 2, MaxStringLength);

  corvane::DebugParam =
      corvane::FindSwitchParam(corvane::ParamStatus, DebugAliases, 0, -1, 0);
  corvane::ErrorDelayParam = corvane::FindFlagParam(corvane::ParamStatus, ErrorDelayAliases,
                                                    corvane::CoreState.ErrorDelay, -1, 0);
  corvane::AudibleErrorParam = corvane::FindFlagParam(corvane::ParamStatus, AudibleErrorAliases,
                                                      corvane::CoreState.AudibleError, -1, 0);
  corvane::HelpParam =
      corvane::FindSwitchParam(corvane::ParamStatus, HelpAliases, 0, -1, 0);
  corvane::VerboseParam =
      corvane::FindSwitchParam(corvane::ParamStatus, VerboseAliases, 0, -1, 0);
  corvane::VersionOnlyParam =
      corvane::FindSwitchParam(corvane::ParamStatus, VersionOnlyAliases, 0, -1, 0);
  corvane::InfoParam = corvane::FindSwitchParam(corvane::ParamStatus, InfoAliases, 0, -1, 0);
  corvane::BannerParam = corvane::FindSwitchParam(corvane::ParamStatus, BannerAliases, 0, -1, 0);
  LengthParam = corvane::FindSwitchParam(corvane::ParamStatus, LengthAliases, 0, -1, 0);
  CharParam = corvane::FindTextParam(corvane::ParamStatus, CharAliases, CharValue,
                                     corvane::pfRequireAllValues, -1, 0);
  NumberParam = corvane::FindNumberParam(corvane::ParamStatus, NumberAliases, LineCount,
                                         DefaultLineCount, MinLineCount, MaxLineCount, -1, 0);

  if (corvane::DebugParam.Found) {
    corvane::CoreState.AudibleError = true;
    corvane::CoreState.ErrorDelay = true;
  }

  if (!RunChecks()) return;  // an error or an informational path ended the run

  if (CharParam.Found && !CharValue.empty()) {
    StringChar.assign(CharValue, 0, corvane::FirstCharacterLength(CharValue));
  }
  GenerateLines(StringChar, StringLength, LineCount, LengthParam.Found);
}

int RunProgram() {
  corvane::CoreInitialize();
  RunMainFlow();
  corvane::FlushAllStreams();
  return corvane::ExitCode;
}

void RestoreProgramDefaults() {
  corvane::CoreRestoreDefaults();
  StringChar = std::string{};
  StringLength = 0;
  CharValue = std::string{};
  LineCount = 0;
  LengthParam = corvane::TFindParamRec{};
  CharParam = corvane::TFindParamRec{};
  NumberParam = corvane::TFindParamRec{};
}
