// The core's process-wide state and its start and end: the settings and
// flags (core_settings.h), the exit status, the executable's directory, the
// identity record, the built-in option records and the format settings the
// banner's dates use.
#pragma once

#include <cstdint>
#include <string>

#include "../options/ascii_text.h"  // QuoteIfSpaced
#include "../options/core_settings.h"
#include "../options/param_records.h"
#include "app_identity.h"

namespace corvane {

// Date and time conventions, loaded from the locale the first time a date is
// shown (nothing at start-up needs them).
struct TFormatSettings {
  bool Loaded = false;
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string ShortDatePattern = "yyyy/mm/dd";
  std::string ShortMonthNames[12];
};

extern std::int32_t ExitCode;
extern std::string ExePath;
extern TFileVersionInfoRec AppInfo;
extern TFormatSettings FormatSettings;

extern TFindParamRec DebugParam;
extern TFindParamRec ErrorDelayParam;
extern TFindParamRec AudibleErrorParam;
extern TFindParamRec HelpParam;
extern TFindParamRec VerboseParam;
extern TFindParamRec VersionOnlyParam;
extern TFindParamRec BannerParam;
extern TFindParamRec InfoParam;

void CoreInitialize();
// Releases the run records, hands pending text over and gives the stream
// buffers back.
void CoreFinalize();

// Brings every piece of core state back to its value at process start, so a
// run can be repeated in one process (tests, fuzzing).
void CoreRestoreDefaults();

// Loads FormatSettings from the locale unless already loaded.
void EnsureFormatSettings();

// The directory part of a path, with its trailing delimiter ("" if none).
std::string DirectoryOf(const std::string& path);

}  // namespace corvane
