// The core's text-to-number conversion: unsigned 64-bit, with a default and
// optional limits. Both set CoreState.ParamValueAdjusted.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

std::uint64_t StrToNumberDef(const std::string& text, std::uint64_t defaultValue);
std::uint64_t StrToNumberRange(const std::string& text, std::uint64_t defaultValue,
                               std::uint64_t minValue, std::uint64_t maxValue);

}  // namespace corvane
