#include <algorithm>
#include <string>

#include "core/console/banner.h"
#include "core/console/core_start.h"
#include "core/console/error_report.h"
#include "corvane/console.h"
#include "corvane/options.h"
#include "core/options/syntax_validation.h"

namespace corvane {

namespace {

// Whether text is a number the conversion reads, without its default.
bool ReadsAsNumber(const std::string& text, std::uint64_t& value) {
  const bool adjusted = CoreState.ParamValueAdjusted;
  value = StrToNumberDef(text, 0);
  const bool read = value == StrToNumberDef(text, 1);
  CoreState.ParamValueAdjusted = adjusted;
  return read;
}

// A required number that was given: its value as typed goes to the list of
// incomplete (none) or invalid (not a number from Min to Max) arguments.
void CheckNumber(const TOptionRec& option, TParamStatisticsRec& record) {
  if (option.Kind != okNumber || !option.Required || !option.Found.Found) return;
  const std::size_t at = static_cast<std::size_t>(option.Found.ParamIndex);
  const std::string& typed = ParamStatus[at].Text;
  const bool attached = option.Found.ValueAttached;
  std::string value;
  if (attached) {
    value = typed.substr(option.Found.ParamText.size() + 1);
  } else if (at + 1 < ParamStatus.size()) {
    value = ParamStatus[at + 1].Text;
  }
  if (value.empty()) {
    AddToParamList(record.IncompleteCount, record.IncompleteList, typed);
    return;
  }
  std::uint64_t n = 0;
  if (ReadsAsNumber(value, n) && n >= static_cast<std::uint64_t>(std::max(option.Min, 0)) &&
      n <= static_cast<std::uint64_t>(std::max(option.Max, 0))) {
    return;
  }
  AddToParamList(record.InvalidCount, record.InvalidList, typed);
  if (!attached) AddToParamList(record.InvalidCount, record.InvalidList, value);
}

}  // namespace

std::int32_t CheckOptions(std::span<const TOptionRec> options, std::int32_t minArgs,
                          std::string_view synopsis) {
  TParamStatisticsRec& record = CustomValidation;
  ValidateSyntax(record, ParamStatus, CoreState.DefinedAliases, true, -1, -1);
  for (const TOptionRec& option : options) CheckNumber(option, record);
  std::int32_t code = 0;
  std::string complaint;
  if (static_cast<std::int64_t>(ParamStatus.size()) < minArgs) {
    code = 64;
    std::string essential(synopsis.substr(0, synopsis.find('[')));
    if (!essential.empty() && essential.back() != ' ') essential += ' ';
    complaint =
        "Missing Essential Parameters (e.g. " + essential + CoreState.EssentialAliases + ")";
  } else if (record.IncompleteCount > 0) {
    code = 67;
    complaint = "Incomplete Parameters Provided: " + record.IncompleteList;
  } else if (record.InvalidCount > 0) {
    code = 65;
    complaint = "Invalid Parameters Provided: " + record.InvalidList;
  } else {
    return 0;
  }
  if (AppInfo.Initialized) ShowBanner(AppInfo, VerboseParam.Found, true);
  ReportCustomSyntaxError(record, complaint, CoreState.ErrorDelay, CoreState.AudibleError);
  WriteUsage(options, synopsis, true);
  ExitCode = code;
  return code;
}

}  // namespace corvane
