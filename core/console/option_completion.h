// Shell completion scripts written from a tool's option table.
#pragma once

#include <span>
#include <string_view>

#include "../options/option_table.h"

namespace corvane {

// Writes on ConsoleOut the completion of the program's options for shell,
// "bash", "zsh" or "fish", under the program's name (PlatformMessageName);
// false, and nothing written, for another shell. Bash takes it with
// `source`, zsh from a file named _<name> in fpath, fish from
// completions/<name>.fish.
bool WriteCompletion(std::span<const TOptionRec> options, std::string_view shell);

}  // namespace corvane
