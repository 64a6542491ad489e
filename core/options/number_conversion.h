// The core's text-to-number conversion: unsigned 64-bit, with a default and
// optional limits. Both set CoreState.ParamValueAdjusted.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

std::uint64_t StrToNumberDef(const std::string& text, std::uint64_t defaultValue);
// A number above maxValue, however large, gives maxValue: a count that is
// cut, never wrapped. What is not a number gives the default.
std::uint64_t StrToNumberCapped(const std::string& text, std::uint64_t defaultValue,
                                std::uint64_t maxValue);
std::uint64_t StrToNumberRange(const std::string& text, std::uint64_t defaultValue,
                               std::uint64_t minValue, std::uint64_t maxValue);

}  // namespace corvane
