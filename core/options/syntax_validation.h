// Sums the argument table up in a statistics record.
#pragma once

#include <cstdint>
#include <string>

#include "core/options/param_records.h"

inline constexpr char StandardInfoAliases[] = "H HELP ? H2 HELP2 ?? VERSION-ONLY BUILD-ONLY INFO";

void ValidateSyntax(TParamStatisticsRec& record, const TParamStatusArray& table,
                    const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                    std::int32_t lastIndex);
void CollectParamStatistics(TParamStatisticsRec& record, const TParamStatusArray& table,
                            const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                            std::int32_t lastIndex);
std::string BuildOptionSpellings(const std::string& aliases, std::int32_t mode);
void BuildInfoAliases(std::string& out, const std::string& all, const std::string& standard);
void AddToParamList(std::uint16_t& counter, std::string& list, const std::string& text);
