#include "core/options/number_conversion.h"

std::uint64_t StrToNumberDef(const std::string&, std::uint64_t defaultValue) { return defaultValue; }
std::uint64_t StrToNumberRange(const std::string&, std::uint64_t defaultValue, std::uint64_t, std::uint64_t) {
  return defaultValue;
}
