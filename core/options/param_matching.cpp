#include "core/options/param_matching.h"

TFindParamRec FindSwitchParam(TParamStatusArray&, const std::string&, std::int32_t, std::int32_t, std::int32_t) { return {}; }
TFindParamRec FindFlagParam(TParamStatusArray&, const std::string&, bool&, std::int32_t, std::int32_t) { return {}; }
TFindParamRec FindTextParam(TParamStatusArray&, const std::string&, std::string&, std::int32_t, std::int32_t, std::int32_t) { return {}; }
TFindParamRec FindNumberParam(TParamStatusArray&, const std::string&, std::int32_t& t, std::int32_t d, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { t = d; return {}; }
