// The pieces of the banner, open to tests with stamps of their own.
#pragma once

#include <string>
#include <string_view>

#include "core/base/core_state.h"
#include "corvane/console.h"

namespace corvane {

// A point in time as the banner needs it.
struct TStampDateTime {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// A stamp "yyyy/mm/dd", "hh:nn[:ss[.fff]]" or both; a time alone is today
// at that time; a stamp that cannot be read is the zero date (1899/12/30).
TStampDateTime BuildStampToDateTime(std::string_view stamp);

// Formats a date and time with the codes the banner uses: "dd" day, "mm"
// month, "mmm" abbreviated month name, "yyyy" year, "hh" hour (00-23), "nn"
// minutes, "ss" seconds; ":" and "/" become the time and
// date separators of settings; every other character stands as it is.
std::string FormatStampDateTime(const std::string& pattern, const TStampDateTime& value,
                                const TFormatSettings& settings);

// The banner's first line and the build line, for the given stamp and format
// settings; ShowBanner passes the real stamps and FormatSettings.
std::string BannerLine(const TFileVersionInfoRec& info, std::string_view dateStamp,
                       const TFormatSettings& settings);
std::string BuildLine(const TFileVersionInfoRec& info, std::string_view timeStamp,
                      const TFormatSettings& settings);

// " x64", " x86", " arm64" or " arm"; "" for another target.
const char* ArchitectureTag();
// The compiler that built the program, name and version: "GCC 12.2.0".
std::string ToolchainName();

}  // namespace corvane
