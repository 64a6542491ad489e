// What the console makes of a tool's option table: the family's option
// lines and usage (option_usage.cpp), its checks (option_checks.cpp) and
// shell completions (option_completion.cpp).
#pragma once

#include <cstdint>
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

// Validates the arguments, then checks in the family's order: fewer than
// minArgs arguments (missing, 64), a value missing (incomplete, 67), an
// unknown option or a required number's bad value (invalid, 65). The first
// that fails shows the banner (once SetAppInfo has named the tool), the
// syntax-error report and the short usage, sets ExitCode and returns the
// code; 0 when every check passes. The synopsis names the essential
// arguments before its first "[".
std::int32_t CheckOptions(std::span<const TOptionRec> options, std::int32_t minArgs,
                          std::string_view synopsis);

// Writes on ConsoleOut the completion of the program's options for shell,
// "bash", "zsh" or "fish", under the program's name (PlatformMessageName);
// false, and nothing written, for another shell. Bash takes it with
// `source`, zsh from a file named _<name> in fpath, fish from
// completions/<name>.fish.
bool WriteCompletion(std::span<const TOptionRec> options, std::string_view shell);

}  // namespace corvane
