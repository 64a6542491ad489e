// The family's checks of a command line searched through an option table.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "../options/option_table.h"

namespace corvane {

// Validates the arguments, then checks in the family's order: fewer than
// minArgs arguments (missing, 64), a value missing (incomplete, 67), an
// unknown option or a required number's bad value (invalid, 65). The first
// that fails shows the banner (once SetAppInfo has named the tool), the
// syntax-error report and the short usage (WriteUsage), sets ExitCode and
// returns the code; 0 when every check passes. The synopsis names the
// essential arguments before its first "[".
std::int32_t CheckOptions(std::span<const TOptionRec> options, std::int32_t minArgs,
                          std::string_view synopsis);

}  // namespace corvane
