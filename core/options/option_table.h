// A tool's options described once, as plain records: the searches, the
// option lines of the help, the completions and the checks read one table.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "param_records.h"

namespace corvane {

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
// each search found (FindParam's scope: the whole command line).
void DefineOptions(std::span<TOptionRec> options);

// How the aliases are shown, in their order: "-x" for a one-character
// alias, "--name" for a longer one.
std::vector<std::string> OptionSpellings(std::string_view aliases);

}  // namespace corvane
