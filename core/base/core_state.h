// The core's state beyond what a tool reads: the date and time conventions
// the banner shows its dates with.
#pragma once

#include <string>

#include "corvane/core_state.h"

namespace corvane {

// Loaded from the locale the first time a date is shown (nothing at
// start-up needs them).
struct TFormatSettings {
  bool Loaded = false;
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string ShortMonthNames[12];
};

extern TFormatSettings FormatSettings;

}  // namespace corvane
