#include "corvane/options.h"


namespace corvane {

namespace {

// The slot's entry when the slot is given (number in range, text not empty).
// The entry's text is the platform's argument for that position; reading it
// from the table keeps the mark and the value on the same, existing entry.
TParamStatusRec* GivenSlot(TParamStatusArray& table, std::int32_t slot) {
  if (slot < 1 || static_cast<std::size_t>(slot) > table.size()) return nullptr;
  TParamStatusRec& entry = table[static_cast<std::size_t>(slot) - 1];
  return entry.Text.empty() ? nullptr : &entry;
}

void MarkPositional(TParamStatusRec& entry) {
  entry.Status = psPositional;
  entry.IsPositional = true;
}

}  // namespace

void GetSlotChar(TParamStatusArray& table, char& target, std::int32_t slot) {
  TParamStatusRec* entry = GivenSlot(table, slot);
  if (entry == nullptr) return;
  target = entry->Text[0];
  MarkPositional(*entry);
}

void GetSlotCharacter(TParamStatusArray& table, std::string& target, std::int32_t slot) {
  TParamStatusRec* entry = GivenSlot(table, slot);
  if (entry == nullptr) return;
  target.assign(entry->Text, 0, FirstCharacterLength(entry->Text));
  MarkPositional(*entry);
}

void GetSlotNumber(TParamStatusArray& table, std::int32_t& target, std::int32_t slot) {
  TParamStatusRec* entry = GivenSlot(table, slot);
  if (entry == nullptr) return;
  // Low 32 bits, read as signed: 2^32 - 1 becomes -1.
  target = static_cast<std::int32_t>(static_cast<std::uint32_t>(StrToNumberDef(entry->Text, 0)));
  MarkPositional(*entry);
}

void GetSlotCount(TParamStatusArray& table, std::int32_t& target, std::int32_t slot,
                  std::int32_t limit) {
  TParamStatusRec* entry = GivenSlot(table, slot);
  if (entry == nullptr) return;
  const std::uint64_t cap = limit > 0 ? static_cast<std::uint64_t>(limit) : 0;
  target = static_cast<std::int32_t>(StrToNumberCapped(entry->Text, 0, cap));
  MarkPositional(*entry);
}

void GetSlotText(TParamStatusArray& table, std::string& target, std::int32_t slot) {
  TParamStatusRec* entry = GivenSlot(table, slot);
  if (entry == nullptr) return;
  target = entry->Text;
  MarkPositional(*entry);
}

}  // namespace corvane
