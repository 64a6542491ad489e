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

extern char StringChar;
extern std::int32_t StringLength;
extern std::string CharValue;
extern std::int32_t LineCount;
extern TFindParamRec LengthParam;
extern TFindParamRec CharParam;
extern TFindParamRec NumberParam;

void RunMainFlow();

// One whole run over the platform's current arguments and streams: core
// start-up, the main flow, release, output handed over. Returns ExitCode.
// Every run starts from the start-up state; a fresh process, which already
// holds it, may skip bringing it back. A process that ends right after the
// run may also skip the release and leave the memory to the system.
int RunProgram(bool freshProcess = false, bool releaseState = true);
