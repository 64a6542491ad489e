// The common syntax-error report, the audible alert and the timed pause.
#pragma once

#include <string>

#include "core/options/param_records.h"

// The complaint gets "(See Syntax Definition Below)" appended.
void ReportSyntaxError(const std::string& msg, bool pause, bool beep);
// The complaint is printed unchanged; validation is accepted but not used.
void ReportCustomSyntaxError(TParamStatisticsRec& validation, const std::string& msg, bool pause,
                             bool beep);
// prefix, body, CR LF and the line end, on ConsoleErr.
void WriteErrorMessage(const std::string& body, const std::string& prefix);
// The prompt, then up to count dots, one per 250 ms, until a key is pressed.
void WaitWithDots(int count, const std::string& prompt);
