// The list of every alias defined so far (CoreState.DefinedAliases).
#pragma once

#include <string>
#include <string_view>

#include "corvane/options.h"

namespace corvane {

// Whether word occurs in list with a blank or the end of list after it and,
// when blankBefore, also before it.
bool OccursAsWord(std::string_view list, std::string_view word, bool blankBefore);
// True when word, with a blank or an end of list on each side, does not
// occur in list.
bool WordNotListed(std::string_view word, std::string_view list);
// Appends a blank and each word of aliases, upper-cased, that all does not
// list yet (double quotes keep blanks inside a word), then trims characters
// below 33 from both ends of all.
void RegisterAliases(std::string& all, std::string_view aliases);
// PrecomputedAliases when it was worked out from exactly this registry,
// else nullptr.
const TPrecomputedAliases* PrecomputedFor(std::string_view definedAliases);

}  // namespace corvane
