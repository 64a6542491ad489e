// The engine under the four searches, and the matching of one alias.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "alias_registry.h"
#include "option_spellings.h"
#include "corvane/options.h"

namespace corvane {

void ParamScopeToRange(std::int32_t position, std::int32_t scopeMode, std::int32_t& startIndex,
                       std::int32_t& lastIndex);
// Whether arg is one of the accepted spellings of alias, alone or (modes 2
// and 3) with a value attached after ":" or "="; scratch is reset and gets
// Found, ParamText and the attached value.
bool MatchParamAlias(std::string_view alias, std::string_view arg, TFindParamRec& scratch);

void FindParam(TFindParamRec& rec, TParamStatusArray& table, std::string_view aliases,
               std::int32_t lastIndex, std::int32_t startIndex, std::int32_t valuesTaken,
               std::int32_t flags, const std::string& defaultValue,
               const std::string& defaultValue2);

}  // namespace corvane
