// Building and resetting the argument table and the framework's records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "corvane/core_state.h"

namespace corvane {

// One fresh, unclaimed entry per command-line argument.
void BuildParamStatus(TParamStatusArray& table);
void ResetParamStatus(TParamStatusArray& table, std::int32_t count);
void ResetParamRecArray(TParamRecArray& records, std::int32_t count);
// Resets every field; keeps the record's name when name is empty.
void InitParamStatistics(TParamStatisticsRec& record, std::string_view name);

}  // namespace corvane
