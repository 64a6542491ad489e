// The common syntax-error report and the message writer it uses.
#pragma once

#include <string>

#include "../options/param_records.h"

namespace corvane {

// The complaint gets "(See Syntax Definition Below)" appended.
void ReportSyntaxError(const std::string& msg, bool pause, bool beep);
// The complaint is printed unchanged; validation is accepted but not used.
void ReportCustomSyntaxError(TParamStatisticsRec& validation, const std::string& msg, bool pause,
                             bool beep);
// prefix, body and two line ends (an empty line follows), on ConsoleErr.
void WriteErrorMessage(const std::string& body, const std::string& prefix);

}  // namespace corvane
