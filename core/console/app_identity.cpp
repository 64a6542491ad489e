#include "core/console/app_identity.h"

void SetAppInfo(TFileVersionInfoRec&, const std::string&, const std::string&, const std::string&, const std::string&, bool) {}
