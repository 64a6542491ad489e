// The utility's main flow: positional slots, the option table, the checks
// and the generating run.
#pragma once

#include <cstdint>
#include <string>

#include "core/options/param_records.h"

inline constexpr std::int32_t MinParamCount = 2;
inline constexpr std::int32_t MaxStringLength = 1024;
inline constexpr std::int32_t DefaultLineCount = 1;
inline constexpr std::int32_t MinLineCount = 0;
inline constexpr std::int32_t MaxLineCount = 1000;

// The character to repeat: its bytes, one whole character (see
// corvane::FirstCharacterLength).
extern std::string StringChar;
extern std::int32_t StringLength;
extern std::string CharValue;
extern std::int32_t LineCount;
extern corvane::TFindParamRec LengthParam;
extern corvane::TFindParamRec CharParam;
extern corvane::TFindParamRec NumberParam;

void RunMainFlow();

// One whole run over the platform's arguments, from the state of a fresh
// process: core start-up, the main flow, every byte handed over. Returns
// ExitCode; the records are left to the end of the process.
int RunProgram();

// Brings the program's and the core's state back to that of a fresh process,
// so that one process can run the program again.
void RestoreProgramDefaults();
