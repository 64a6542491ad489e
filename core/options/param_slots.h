// Positional arguments read by slot number (slot 1 is the first argument).
#pragma once

#include <cstdint>
#include <string>

#include "param_records.h"

namespace corvane {

// A slot is given when 1 <= slot <= table.size() and its argument is not
// empty. A given slot is stored in target and its entry marked psPositional;
// a slot not given changes nothing, target included.

// The argument's first byte.
void GetSlotChar(TParamStatusArray& table, char& target, std::int32_t slot);
// The argument's first character as a user sees it (FirstCharacterLength):
// its bytes, a whole UTF-8 character or, outside UTF-8, the first byte.
void GetSlotCharacter(TParamStatusArray& table, std::string& target, std::int32_t slot);
// The argument as a number (StrToNumberDef, default 0), its low 32 bits;
// sets CoreState.ParamValueAdjusted when that number is 0.
void GetSlotNumber(TParamStatusArray& table, std::int32_t& target, std::int32_t slot);
// The argument as a count from 0 to limit (StrToNumberCapped, default 0): a
// number above limit, however large, gives limit.
void GetSlotCount(TParamStatusArray& table, std::int32_t& target, std::int32_t slot,
                  std::int32_t limit);
// The argument's whole text.
void GetSlotText(TParamStatusArray& table, std::string& target, std::int32_t slot);

}  // namespace corvane
