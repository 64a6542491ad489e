// The start and end of a run beyond what a tool calls.
#pragma once

#include "corvane/core_state.h"

namespace corvane {

// Brings every piece of core state back to its value at process start, so a
// run can be repeated in one process (tests, fuzzing).
void CoreRestoreDefaults();

// Loads FormatSettings from the locale unless already loaded.
void EnsureFormatSettings();

}  // namespace corvane
