#include "core/options/option_spellings.h"

#include "core/options/alias_registry.h"
#include "corvane/core_state.h"

namespace corvane {

bool IsBareSymbolChar(char c) {
  return std::string_view(BareSymbolChars).find(c) != std::string_view::npos;
}

std::string BuildOptionSpellings(const std::string& aliases, std::int32_t mode) {
  if (const TPrecomputedAliases* work = PrecomputedFor(aliases);
      work != nullptr && mode == pmPlain && CoreState.DoubleDashForLongNames) {
    return std::string(work->KnownSpellings);
  }
  static constexpr std::string_view kSuffixes[] = {"", ":", "="};
  const std::span<const std::string_view> suffixes(kSuffixes, AttachAllowed(mode) ? 3 : 1);
  std::string result;
  std::string piece;
  std::size_t at = 0;
  for (std::string_view alias = NextAlias(aliases, at); !alias.empty();
       alias = NextAlias(aliases, at)) {
    for (std::string_view suffix : suffixes) {
      for (std::string_view prefix : AliasPrefixes(alias, mode, CoreState.DoubleDashForLongNames)) {
        piece.assign(prefix).append(alias).append(suffix).append(1, ' ');
        if (result.find(piece) == std::string::npos) result += piece;
      }
    }
  }
  return result;
}

}  // namespace corvane
