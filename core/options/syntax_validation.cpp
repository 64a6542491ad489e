#include "core/options/syntax_validation.h"

void ValidateSyntax(TParamStatisticsRec&, const TParamStatusArray&, const std::string&, bool, std::int32_t, std::int32_t) {}
