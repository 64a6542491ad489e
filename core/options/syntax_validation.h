// Sums the argument table up in a statistics record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "option_spellings.h"
#include "param_records.h"

namespace corvane {

inline constexpr char StandardInfoAliases[] = "H HELP ? H2 HELP2 ?? VERSION-ONLY BUILD-ONLY INFO";

// Fills record over the arguments firstIndex..lastIndex (-1: from the first,
// to the last), then DefaultValidation over all of them unless it was filled
// before. FirstIndex and LastIndex hold at 65535 when the range reaches
// further, as the counters do.
void ValidateSyntax(TParamStatisticsRec& record, const TParamStatusArray& table,
                    const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                    std::int32_t lastIndex);
void CollectParamStatistics(TParamStatisticsRec& record, const TParamStatusArray& table,
                            const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                            std::int32_t lastIndex);
void BuildInfoAliases(std::string& out, const std::string& all, std::string_view standard);
// Counts one more item and appends text (quoted when empty or spaced) and a
// blank. The counter stops at 65535 instead of wrapping, so it is never 0
// while its list holds an item.
void AddToParamList(std::uint16_t& counter, std::string& list, std::string_view text);

}  // namespace corvane
