// The banner and build-information line, the reading and showing of the
// build stamps, and the separator line.
#pragma once

#include <string>
#include <vector>

#include "app_identity.h"

namespace corvane {

struct TFormatSettings;

// A point in time as the banner needs it (milliseconds kept for completeness).
struct TStampDateTime {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

// Banner and/or build line on ConsoleErr, at most once per process.
void ShowBanner(const TFileVersionInfoRec& info, bool withBuild, bool withBanner);

TStampDateTime BuildStampToDateTime(const std::string& stamp, const std::string& datePattern);

// Count dashes on ConsoleOut, an extra line end when asked, then the line end.
void PrintSeparator(int count, bool blankLineAfter);

// ---- The pieces of the banner, open to tests with stamps of their own ----

// Formats a date and time with the codes the banner uses: "dd" day, "mm"
// month, "mmm" abbreviated month name, "yyyy" year, "hh" hour (00-23), "nn"
// minutes, "ss" seconds, "zzz" milliseconds; ":" and "/" become the time and
// date separators of settings; every other character stands as it is.
std::string FormatStampDateTime(const std::string& pattern, const TStampDateTime& value,
                                const TFormatSettings& settings);

// The lines ShowBanner writes (empty lines included) for the given stamps and
// format settings; ShowBanner passes the real stamps and FormatSettings.
std::vector<std::string> BannerLines(const TFileVersionInfoRec& info, bool withBuild,
                                     bool withBanner, const std::string& dateStamp,
                                     const std::string& timeStamp, const TFormatSettings& settings);

// " x64", " x86", " arm64", " arm" or another short target name.
const char* ArchitectureTag();
// The compiler that built the program, name and version: "GCC 12.2.0".
std::string ToolchainName();

}  // namespace corvane
