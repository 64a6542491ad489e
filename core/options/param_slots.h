// Positional arguments read by slot number (slot 1 is the first argument).
#pragma once

#include <cstdint>

#include "param_records.h"

namespace corvane {

void GetSlotChar(TParamStatusArray& table, char& target, std::int32_t slot);
void GetSlotNumber(TParamStatusArray& table, std::int32_t& target, std::int32_t slot);

}  // namespace corvane
