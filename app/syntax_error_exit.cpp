#include "app/syntax_error_exit.h"

#include "app/help_text.h"
#include "core/console/banner.h"
#include "core/console/core_start.h"
#include "core/console/error_report.h"

void SyntaxErrorExit(std::int32_t style, std::int32_t code, const std::string& msg,
                     bool shortHelp) {
  corvane::ShowBanner(corvane::AppInfo, corvane::VerboseParam.Found, true);
  if (!msg.empty()) {
    if (style == 0) {
      corvane::ReportCustomSyntaxError(corvane::CustomValidation, msg,
                                       corvane::CoreState.ErrorDelay,
                                       corvane::CoreState.AudibleError);
    } else {
      corvane::ReportSyntaxError(msg, corvane::CoreState.ErrorDelay,
                                 corvane::CoreState.AudibleError);
    }
  }
  DisplayHelpSyntax(shortHelp);
  corvane::ExitCode = code;
}
