#include "core/options/option_spellings.h"

#include <cstring>
#include <vector>

#include "core/console/core_state.h"

namespace {

// A spelling holds no blank and the result is blank-ended spellings, so a
// spelling occurs in the result exactly when it ends one of them. The
// spellings kept so far are chained by their last byte to find those quickly.
struct TKeptSpelling {
  std::uint32_t End;  // offset of its blank in the result
  std::uint32_t Length;
  std::uint32_t Older;  // 1 + index of the previous one with the same last byte; 0 none
};

struct TKeptSpellings {
  std::uint32_t NewestWithByte[256] = {};  // 1 + index; 0 none
  std::vector<TKeptSpelling> Kept;
};

bool EndsAKeptSpelling(const TKeptSpellings& kept, const char* result, const char* piece,
                       std::size_t length) {
  const unsigned char last = static_cast<unsigned char>(piece[length - 1]);
  for (std::uint32_t k = kept.NewestWithByte[last]; k != 0;) {
    const TKeptSpelling& spelling = kept.Kept[k - 1];
    if (spelling.Length >= length) {
      // Backwards from the byte before the last: a mismatch there is the rule.
      const char* end = result + spelling.End;
      std::size_t same = 1;
      while (same < length &&
             end[-1 - static_cast<std::ptrdiff_t>(same)] == piece[length - 1 - same])
        ++same;
      if (same == length) return true;
    }
    k = spelling.Older;
  }
  return false;
}

}  // namespace

bool IsBareSymbolChar(char c) {
  return std::string_view(BareSymbolChars).find(c) != std::string_view::npos;
}

std::span<const std::string_view> AliasPrefixes(std::string_view alias, std::int32_t mode) {
  static constexpr std::string_view kBareShort[] = {"", "/", "-"};
  static constexpr std::string_view kShort[] = {"/", "-"};
  static constexpr std::string_view kLongDoubleDash[] = {"/", "--"};
  static constexpr std::string_view kLong[] = {"/", "-", "--"};
  if (alias.size() == 1) {
    if (BareAllowed(mode) && IsBareSymbolChar(alias[0])) return kBareShort;
    return kShort;
  }
  if (CoreState.DoubleDashForLongNames) return kLongDoubleDash;
  return kLong;
}

std::string BuildOptionSpellings(const std::string& aliases, std::int32_t mode) {
  static constexpr char kSuffixes[] = {'\0', ':', '='};
  const std::size_t suffixCount = AttachAllowed(mode) ? 3 : 1;

  // An alias of n bytes gives at most three prefixes times the suffixes,
  // each of at most n + 4 bytes (n + 3 without a suffix), and n + 4 <= 5n:
  // the spellings are written in place and the text is cut to size at the end.
  std::string result(aliases.size() * (suffixCount == 3 ? 45 : 12), '\0');
  std::size_t used = 0;
  TKeptSpellings kept;
  // Every alias but the last is followed by a separator.
  kept.Kept.reserve((aliases.size() + 1) / 2 * 3 * suffixCount);

  std::size_t at = 0;
  for (std::string_view aliasText = NextAlias(aliases, at); !aliasText.empty();
       aliasText = NextAlias(aliases, at)) {
    const char* alias = aliasText.data();
    const std::size_t aliasLength = aliasText.size();
    for (std::size_t s = 0; s < suffixCount; ++s) {
      for (std::string_view prefix : AliasPrefixes(aliasText, mode)) {
        char* piece = result.data() + used;
        std::size_t length = prefix.size();
        std::memcpy(piece, prefix.data(), length);
        std::memcpy(piece + length, alias, aliasLength);
        length += aliasLength;
        if (kSuffixes[s] != '\0') piece[length++] = kSuffixes[s];
        if (EndsAKeptSpelling(kept, result.data(), piece, length)) continue;
        piece[length] = ' ';
        const unsigned char last = static_cast<unsigned char>(piece[length - 1]);
        used += length + 1;
        kept.Kept.push_back({static_cast<std::uint32_t>(used - 1),
                             static_cast<std::uint32_t>(length), kept.NewestWithByte[last]});
        kept.NewestWithByte[last] = static_cast<std::uint32_t>(kept.Kept.size());
      }
    }
  }
  result.resize(used);
  return result;
}
