#include "core/console/app_identity.h"

void ShowBanner(const TFileVersionInfoRec&, bool, bool) {}
void PrintSeparator(int, bool) {}
