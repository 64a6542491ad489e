#include "app/checks.h"

#include "app/help_text.h"
#include "app/program_flow.h"
#include "app/syntax_error_exit.h"
#include "core/console/banner.h"
#include "core/console/core_start.h"
#include "core/options/syntax_validation.h"

bool RunChecks() {
  corvane::CoreState.InfoRequested =
      corvane::HelpParam.Found || corvane::VersionOnlyParam.Found || corvane::InfoParam.Found;
  corvane::ValidateSyntax(corvane::CustomValidation, corvane::ParamStatus,
                          corvane::CoreState.DefinedAliases, true, -1, -1);

  if (!corvane::CoreState.InfoRequested) {
    const std::int32_t style = corvane::CoreState.ErrorReportStyle;
    if (static_cast<std::int64_t>(corvane::ParamStatus.size()) < MinParamCount) {
      SyntaxErrorExit(style, 64,
                      "Missing Essential Parameters (e.g. <character> <length> " +
                          corvane::CoreState.EssentialAliases + ")",
                      true);
      return false;
    }
    if (corvane::CustomValidation.IncompleteCount > 0) {
      SyntaxErrorExit(style, 67,
                      "Incomplete Parameters Provided: " + corvane::CustomValidation.IncompleteList,
                      true);
      return false;
    }
    if (corvane::CustomValidation.InvalidCount > 0) {
      SyntaxErrorExit(
          style, 65, "Invalid Parameters Provided: " + corvane::CustomValidation.InvalidList, true);
      return false;
    }
    if (StringLength < 1) {
      SyntaxErrorExit(style, 65,
                      "Invalid Parameters Provided:  String length must be a positive number > 0",
                      true);
      return false;
    }
  }

  if (corvane::HelpParam.Found) {
    corvane::ShowBanner(corvane::AppInfo, corvane::VerboseParam.Found, true);
    DisplayHelpSyntax(false);
    corvane::ExitCode = 255;
    return false;
  }
  if (corvane::VersionOnlyParam.Found) {
    corvane::ShowBanner(corvane::AppInfo, true, false);
    return false;
  }
  if (corvane::InfoParam.Found) {
    corvane::ShowBanner(corvane::AppInfo, true, true);
    return false;
  }
  if (corvane::CoreState.BannerEnabled &&
      (corvane::BannerParam.Found || corvane::VerboseParam.Found)) {
    corvane::ShowBanner(corvane::AppInfo, corvane::VerboseParam.Found, true);
  }
  return true;
}
