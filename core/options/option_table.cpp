#include "core/options/option_table.h"

#include "core/options/option_spellings.h"
#include "core/options/param_matching.h"

namespace corvane {

void DefineOptions(std::span<TOptionRec> options) {
  for (TOptionRec& option : options) {
    bool given = false;
    std::string text;
    std::int32_t number = 0;
    const std::int32_t required = option.Required ? pfRequireValue : 0;
    switch (option.Kind) {
      case okSwitch:
        option.Found = FindSwitchParam(ParamStatus, option.Aliases, 0, -1, 0);
        break;
      case okFlag:
        option.Found = FindFlagParam(ParamStatus, option.Aliases, given, -1, 0);
        break;
      case okText:
        option.Found = FindTextParam(ParamStatus, option.Aliases, option.Text ? *option.Text : text,
                                     pfKeepDefault | required, -1, 0);
        break;
      case okNumber:
        option.Found =
            FindNumberParam(ParamStatus, option.Aliases, option.Number ? *option.Number : number,
                            option.Default, option.Min, option.Max, -1, 0);
        break;
    }
    if (option.Given != nullptr) *option.Given = option.Found.Found;
  }
}

std::vector<std::string> OptionSpellings(std::string_view aliases) {
  std::vector<std::string> spellings;
  std::size_t pos = 0;
  for (std::string_view alias = NextAlias(aliases, pos); !alias.empty();
       alias = NextAlias(aliases, pos)) {
    spellings.push_back((alias.size() == 1 ? "-" : "--") + std::string(alias));
  }
  return spellings;
}

}  // namespace corvane
