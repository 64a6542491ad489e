#include "app/checks.h"

#include "app/help_text.h"
#include "app/program_flow.h"
#include "app/syntax_error_exit.h"
#include "core/console/banner.h"
#include "core/console/core_state.h"
#include "core/options/syntax_validation.h"

using namespace corvane;

bool RunChecks() {
  CoreState.InfoRequested = HelpParam.Found || VersionOnlyParam.Found || InfoParam.Found;
  ValidateSyntax(CustomValidation, ParamStatus, CoreState.DefinedAliases, true, -1, -1);

  if (!CoreState.InfoRequested) {
    const std::int32_t style = CoreState.ErrorReportStyle;
    if (static_cast<std::int64_t>(ParamStatus.size()) < MinParamCount) {
      SyntaxErrorExit(style, 64,
                      "Missing Essential Parameters (e.g. <character> <length> " +
                          CoreState.EssentialAliases + ")",
                      true);
      return false;
    }
    if (CustomValidation.IncompleteCount > 0) {
      SyntaxErrorExit(style, 67,
                      "Incomplete Parameters Provided: " + CustomValidation.IncompleteList, true);
      return false;
    }
    if (CustomValidation.InvalidCount > 0) {
      SyntaxErrorExit(style, 65, "Invalid Parameters Provided: " + CustomValidation.InvalidList,
                      true);
      return false;
    }
    if (StringLength < 1) {
      SyntaxErrorExit(style, 65,
                      "Invalid Parameters Provided:  String length must be a positive number > 0",
                      true);
      return false;
    }
  }

  if (HelpParam.Found) {
    ShowBanner(AppInfo, VerboseParam.Found, true);
    DisplayHelpSyntax(false);
    ExitCode = 255;
    return false;
  }
  if (VersionOnlyParam.Found) {
    ShowBanner(AppInfo, true, false);
    return false;
  }
  if (InfoParam.Found) {
    ShowBanner(AppInfo, true, true);
    return false;
  }
  if (CoreState.BannerEnabled && (BannerParam.Found || VerboseParam.Found)) {
    ShowBanner(AppInfo, VerboseParam.Found, true);
  }
  return true;
}
