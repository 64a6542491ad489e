#include "core/options/param_records.h"

#include "core/platform/platform.h"

namespace corvane {

void ResetParamStatus(TParamStatusArray& table, std::int32_t count) {
  table.clear();
  if (count > 0) table.resize(static_cast<std::size_t>(count));
}

void ResetParamRecArray(TParamRecArray& records, std::int32_t count) {
  records.clear();
  if (count > 0) records.resize(static_cast<std::size_t>(count));
}

void BuildParamStatus(TParamStatusArray& table) {
  const std::vector<std::string>& args = PlatformArguments();
  ResetParamStatus(table, static_cast<std::int32_t>(args.size()));
  for (std::size_t k = 0; k < args.size(); ++k) table[k].Text = args[k];
}

void InitParamStatistics(TParamStatisticsRec& record, std::string_view name) {
  std::string keptName = name.empty() ? std::move(record.RecordName) : std::string(name);
  record = TParamStatisticsRec{};
  record.RecordName = std::move(keptName);
}

}  // namespace corvane
