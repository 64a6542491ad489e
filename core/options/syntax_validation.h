// The pieces of the validation pass.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "option_spellings.h"
#include "corvane/options.h"

namespace corvane {

inline constexpr char StandardInfoAliases[] = "H HELP ? H2 HELP2 ?? VERSION-ONLY BUILD-ONLY INFO";

void CollectParamStatistics(TParamStatisticsRec& record, const TParamStatusArray& table,
                            const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                            std::int32_t lastIndex);
void BuildInfoAliases(std::string& out, const std::string& all, std::string_view standard);
// Counts one more item and appends text (quoted when empty or spaced) and a
// blank. The counter stops at 65535 instead of wrapping, so it is never 0
// while its list holds an item.
void AddToParamList(std::uint16_t& counter, std::string& list, std::string_view text);

}  // namespace corvane
