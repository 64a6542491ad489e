// Options defined by alias lists and searched in one call.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "alias_registry.h"
#include "option_spellings.h"
#include "param_records.h"

namespace corvane {

enum TParamFlag : std::int32_t {
  pfRequireAllValues = 1,
  pfRequireValue = 2,
  pfFindAll = 4,
  pfKeepDefault = 8,
};

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

TFindParamRec FindSwitchParam(TParamStatusArray& table, std::string_view aliases,
                              std::int32_t flags, std::int32_t position, std::int32_t scopeMode);
TFindParamRec FindFlagParam(TParamStatusArray& table, std::string_view aliases, bool& target,
                            std::int32_t position, std::int32_t scopeMode);
TFindParamRec FindTextParam(TParamStatusArray& table, std::string_view aliases, std::string& target,
                            std::int32_t flags, std::int32_t position, std::int32_t scopeMode);
TFindParamRec FindNumberParam(TParamStatusArray& table, std::string_view aliases,
                              std::int32_t& target, std::int32_t defaultValue,
                              std::int32_t minValue, std::int32_t maxValue, std::int32_t position,
                              std::int32_t scopeMode);

}  // namespace corvane
