#include "app/syntax_error_exit.h"

#include "app/help_text.h"
#include "core/console/banner.h"
#include "core/console/core_state.h"
#include "core/console/error_report.h"

using namespace corvane;

void SyntaxErrorExit(std::int32_t style, std::int32_t code, const std::string& msg,
                     bool shortHelp) {
  ShowBanner(AppInfo, VerboseParam.Found, true);
  if (!msg.empty()) {
    if (style == 0) {
      ReportCustomSyntaxError(CustomValidation, msg, CoreState.ErrorDelay, CoreState.AudibleError);
    } else {
      ReportSyntaxError(msg, CoreState.ErrorDelay, CoreState.AudibleError);
    }
  }
  DisplayHelpSyntax(shortHelp);
  ExitCode = code;
}
