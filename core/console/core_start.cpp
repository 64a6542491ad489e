// The start and end of a run.
#include "core/console/core_start.h"

#include "core/base/core_state.h"
#include "core/base/text.h"
#include "core/console/text_stream.h"
#include "core/options/param_records.h"
#include "core/platform/platform.h"

namespace corvane {

namespace {

// Everything a run fills in, listed once: CoreFinalize releases it in this
// order, and CoreRestoreDefaults as well before it puts the settings back.
void ReleaseRunRecords() {
  AppInfo = TFileVersionInfoRec{};
  ParamStatus = TParamStatusArray{};
  FoundParams = TParamRecArray{};
  CustomValidation = TParamStatisticsRec{};
  DefaultValidation = TParamStatisticsRec{};
  CoreState.DefinedAliases = std::string{};
  CoreState.EssentialAliases = std::string{};
  for (TFindParamRec* rec : {&DebugParam, &ErrorDelayParam, &AudibleErrorParam, &HelpParam,
                             &VerboseParam, &VersionOnlyParam, &BannerParam, &InfoParam}) {
    *rec = TFindParamRec{};
  }
  ExePath = std::string{};
}

}  // namespace

void CoreInitialize() {
  // A process starts with the run records released (a second run in one
  // process is preceded by CoreFinalize or CoreRestoreDefaults); both
  // validation records are emptied by their naming below.
  ExitCode = 0;
  BindConsoleStreams();
  const std::string& path = PlatformExecutablePath();
  ExePath = QuoteIfSpaced(std::string_view(path).substr(0, FileNameStart(path)));
  BuildParamStatus(ParamStatus);
  ResetParamRecArray(FoundParams, 0);
  InitParamStatistics(CustomValidation, "Custom Syntax Validation Record");
  InitParamStatistics(DefaultValidation, "Default Syntax Validation Record");
  // The locale's format settings are loaded when a date is first shown.
}

void CoreFinalize() {
  ReleaseRunRecords();
  FlushAllStreams();
}

void CoreRestoreDefaults() {
  ReleaseRunRecords();
  CoreState = TCoreState{};
  FormatSettings = TFormatSettings{};
  ExitCode = 0;
  BindConsoleStreams();
}

void EnsureFormatSettings() {
  if (FormatSettings.Loaded) return;
  TLocaleFormat locale = PlatformLocaleFormat();
  for (int m = 0; m < 12; ++m) FormatSettings.ShortMonthNames[m] = locale.ShortMonthNames[m];
  FormatSettings.TimeSeparator = locale.TimeSeparator;
  FormatSettings.DateSeparator = locale.DateSeparator;
  FormatSettings.Loaded = true;
}

}  // namespace corvane
