// The help a tool's option table writes: the family's option lines and the
// syntax before them.
#pragma once

#include <span>
#include <string_view>

#include "../options/option_table.h"

namespace corvane {

// One line per option on ConsoleOut, as the family writes them: the
// spellings, dots, and the help line from the 30th column on.
void WriteOptionLines(std::span<const TOptionRec> options);

// "CMD SYNTAX:" with the program's name and synopsis ("<text> [width]
// [options]"); unless shortForm, "OPTION DEFINITIONS:" and the option lines.
void WriteUsage(std::span<const TOptionRec> options, std::string_view synopsis, bool shortForm);

}  // namespace corvane
