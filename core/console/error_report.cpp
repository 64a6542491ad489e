#include "core/console/error_report.h"

void ReportSyntaxError(const std::string&, bool, bool) {}
void ReportCustomSyntaxError(TParamStatisticsRec&, const std::string&, bool, bool) {}
