#include "core/options/param_slots.h"

void GetSlotChar(TParamStatusArray&, char&, std::int32_t) {}
void GetSlotNumber(TParamStatusArray&, std::int32_t&, std::int32_t) {}
