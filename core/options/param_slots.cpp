#include "corvane/options.h"


namespace corvane {

namespace {

// The slot's entry, marked positional, when the slot is given (number in
// range, text not empty). The entry's text is the platform's argument for
// that position; reading it from the table keeps the mark and the value on
// the same, existing entry.
const TParamStatusRec* TakeSlot(TParamStatusArray& table, std::int32_t slot) {
  if (slot < 1 || static_cast<std::size_t>(slot) > table.size()) return nullptr;
  TParamStatusRec& entry = table[static_cast<std::size_t>(slot) - 1];
  if (entry.Text.empty()) return nullptr;
  entry.Status = psPositional;
  entry.IsPositional = true;
  return &entry;
}

}  // namespace

void GetSlotChar(TParamStatusArray& table, char& target, std::int32_t slot) {
  if (const TParamStatusRec* entry = TakeSlot(table, slot)) target = entry->Text[0];
}

void GetSlotCharacter(TParamStatusArray& table, std::string& target, std::int32_t slot) {
  if (const TParamStatusRec* entry = TakeSlot(table, slot)) {
    target.assign(entry->Text, 0, FirstCharacterLength(entry->Text));
  }
}

void GetSlotNumber(TParamStatusArray& table, std::int32_t& target, std::int32_t slot) {
  // Low 32 bits, read as signed: 2^32 - 1 becomes -1.
  if (const TParamStatusRec* entry = TakeSlot(table, slot)) {
    target = static_cast<std::int32_t>(static_cast<std::uint32_t>(StrToNumberDef(entry->Text, 0)));
  }
}

void GetSlotCount(TParamStatusArray& table, std::int32_t& target, std::int32_t slot,
                  std::int32_t limit) {
  const std::uint64_t cap = limit > 0 ? static_cast<std::uint64_t>(limit) : 0;
  if (const TParamStatusRec* entry = TakeSlot(table, slot)) {
    target = static_cast<std::int32_t>(StrToNumberCapped(entry->Text, 0, cap));
  }
}

void GetSlotText(TParamStatusArray& table, std::string& target, std::int32_t slot) {
  if (const TParamStatusRec* entry = TakeSlot(table, slot)) target = entry->Text;
}

}  // namespace corvane
