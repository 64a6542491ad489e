// The option framework: positional slots, options searched by alias lists,
// the text-to-number conversion, the validation pass, and a tool's options
// described once as a table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "core_state.h"

namespace corvane {

// ---- Positional slots (slot 1 is the first argument) ------------------------
// A slot is given when 1 <= slot <= table.size() and its argument is not
// empty. A given slot is stored in target and its entry marked psPositional;
// a slot not given changes nothing, target included.

// The argument's first byte.
void GetSlotChar(TParamStatusArray& table, char& target, std::int32_t slot);
// The argument's first character as a user sees it (FirstCharacterLength).
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

// Bytes of text's first character: a well-formed UTF-8 code point together
// with the combining marks, variation selectors, emoji modifiers and tags
// that follow it, a zero-width joiner with the code point after it, and a
// flag's second regional indicator. A text that does not begin with
// well-formed UTF-8 (a Latin-1 byte, say) gives its first byte; "" gives 0.
std::size_t FirstCharacterLength(std::string_view text);

// ---- Options, each defined and searched in one call -------------------------
// Every search registers its aliases in CoreState.DefinedAliases and marks
// the arguments it claims. Scope: scopeMode 0 searches from index position
// on, 1 up to it (-1: no limit), so -1, 0 is the whole command line.

enum TParamFlag : std::int32_t {
  pfRequireAllValues = 1,
  pfRequireValue = 2,
  pfFindAll = 4,  // later matches win
  pfKeepDefault = 8,
};

TFindParamRec FindSwitchParam(TParamStatusArray& table, std::string_view aliases,
                              std::int32_t flags, std::int32_t position, std::int32_t scopeMode);
// As a switch, with one optional value; target becomes Found.
TFindParamRec FindFlagParam(TParamStatusArray& table, std::string_view aliases, bool& target,
                            std::int32_t position, std::int32_t scopeMode);
// target becomes the value; when none is found, its own content with
// pfKeepDefault, else empty.
TFindParamRec FindTextParam(TParamStatusArray& table, std::string_view aliases, std::string& target,
                            std::int32_t flags, std::int32_t position, std::int32_t scopeMode);
// target becomes the value's low 32 bits after StrToNumberRange.
TFindParamRec FindNumberParam(TParamStatusArray& table, std::string_view aliases,
                              std::int32_t& target, std::int32_t defaultValue,
                              std::int32_t minValue, std::int32_t maxValue, std::int32_t position,
                              std::int32_t scopeMode);

// ---- Text to number: unsigned 64-bit, with a default and optional limits ----
// Each sets CoreState.ParamValueAdjusted when the result fell back or was cut.
std::uint64_t StrToNumberDef(const std::string& text, std::uint64_t defaultValue);
// A number above maxValue, however large, gives maxValue: a count that is
// cut, never wrapped. What is not a number gives the default.
std::uint64_t StrToNumberCapped(const std::string& text, std::uint64_t defaultValue,
                                std::uint64_t maxValue);
std::uint64_t StrToNumberRange(const std::string& text, std::uint64_t defaultValue,
                               std::uint64_t minValue, std::uint64_t maxValue);

// ---- Validation ----------------------------------------------------------------

// Fills record over the arguments firstIndex..lastIndex (-1: from the first,
// to the last), then DefaultValidation over all of them unless it was filled
// before, and refreshes CoreState.EssentialAliases. FirstIndex and LastIndex
// hold at 65535 when the range reaches further, as the counters do.
void ValidateSyntax(TParamStatisticsRec& record, const TParamStatusArray& table,
                    const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                    std::int32_t lastIndex);

// ---- Alias work done ahead of the run -----------------------------------------
// What a tool's searches and its validation pass make of its alias lists
// alone, recorded ahead (a unit test can print it). A search or pass whose
// input is the one recorded takes the result from here instead of working it
// out; any other input is worked out as usual, so a record that no longer
// fits the tool costs time, never a different result.
struct TPrecomputedAliases {
  std::span<const std::string_view> Lists;  // the alias lists, in search order
  std::span<const std::size_t> Registered;  // DefinedAliases's length after each search
  std::string_view DefinedAliases;          // after the last search
  // The validation pass's KnownSpellings of DefinedAliases (with
  // DoubleDashForLongNames true), and its EssentialAliases from none.
  std::string_view KnownSpellings;
  std::string_view EssentialAliases;
};

// The record in use; nullptr (the default) works everything out.
extern const TPrecomputedAliases* PrecomputedAliases;

// ---- A tool's options as a table ----------------------------------------------

enum TOptionKind : std::uint8_t {
  okSwitch,  // given or not (FindSwitchParam)
  okFlag,    // given or not, a value after it allowed (FindFlagParam)
  okText,    // a text value (FindTextParam)
  okNumber,  // a number, Default when not given (FindNumberParam)
};

struct TOptionRec {
  // Aliases as shown ("w width": -w, --width); typed in any letter case.
  std::string_view Aliases{};
  TOptionKind Kind = okSwitch;
  // Where the outcome goes, each optional: Given says whether the option
  // was given, Text gets a text's value (its value before the search is the
  // default), Number a number's.
  bool* Given = nullptr;
  std::string* Text = nullptr;
  std::int32_t* Number = nullptr;
  std::int32_t Default = 0;
  std::int32_t Min = 0;
  std::int32_t Max = std::numeric_limits<std::int32_t>::max();
  // A value must follow: a text without one is incomplete (67); a number
  // without one is incomplete, and one that is not a number from Min to Max
  // is invalid (65), instead of falling back to Default or a limit.
  bool Required = false;
  std::string_view Help{};  // one line, after the spellings
  TFindParamRec Found{};    // what the search found
};

// Searches the arguments for every option, in table order, and stores what
// each search found (the whole command line).
void DefineOptions(std::span<TOptionRec> options);

}  // namespace corvane
