// The table's pieces the console shares: how an option's aliases are shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "corvane/options.h"

namespace corvane {

// How the aliases are shown, in their order: "-x" for a one-character
// alias, "--name" for a longer one.
std::vector<std::string> OptionSpellings(std::string_view aliases);

}  // namespace corvane
