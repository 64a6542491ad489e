#include "core/options/alias_registry.h"

#include <algorithm>

#include "core/options/ascii_text.h"

namespace corvane {

bool OccursAsWord(std::string_view list, std::string_view word, bool blankBefore) {
  // The ends are checked before the bytes: most places of the first byte lie
  // inside other words.
  const std::size_t n = word.size();
  for (std::size_t p = 0; p + n <= list.size(); ++p) {
    if (n > 0 && (p = list.find(word[0], p)) > list.size() - n) break;
    if ((!blankBefore || p == 0 || list[p - 1] == ' ') &&
        (p + n == list.size() || list[p + n] == ' ') && list.substr(p, n) == word) {
      return true;
    }
  }
  return false;
}

bool WordNotListed(std::string_view word, std::string_view list) {
  return !OccursAsWord(list, word, true);
}

void RegisterAliases(std::string& all, std::string_view aliases) {
  // Alias lists are short: upper-cased on the stack, on the heap only when long.
  char small[128];
  std::string large;
  const std::span<char> copy = UpperAsciiCopy(aliases, small, large);
  const std::string_view upper(copy.data(), copy.size());
  // A tool's aliases fit in one block: no growing step by step.
  all.reserve(std::max<std::size_t>(all.size() + aliases.size() + 1, 256));
  std::size_t at = 0;
  for (std::string_view word = NextQuotedWord(upper, at); !word.empty();
       word = NextQuotedWord(upper, at)) {
    if (WordNotListed(word, all)) all.append(1, ' ').append(word);
  }
  TrimControlChars(all);
}

}  // namespace corvane
