#include "core/options/alias_registry.h"

#include <algorithm>

#include "core/options/ascii_text.h"

namespace corvane {

bool WordNotListed(std::string_view word, std::string_view list) {
  for (std::size_t p = list.find(word); p != std::string_view::npos; p = list.find(word, p + 1)) {
    const std::size_t end = p + word.size();
    if ((p == 0 || list[p - 1] == ' ') && (end == list.size() || list[end] == ' ')) return false;
  }
  return true;
}

void RegisterAliases(std::string& all, std::string_view aliases) {
  // Alias lists are short: upper-cased on the stack, on the heap only when long.
  char small[128];
  std::string large;
  char* buffer = small;
  if (aliases.size() > sizeof small) {
    large.resize(aliases.size());
    buffer = large.data();
  }
  std::transform(aliases.begin(), aliases.end(), buffer, UpperAsciiChar);
  const std::string_view upper(buffer, aliases.size());
  std::size_t at = 0;
  for (std::string_view word = NextQuotedWord(upper, at); !word.empty();
       word = NextQuotedWord(upper, at)) {
    if (WordNotListed(word, all)) all.append(1, ' ').append(word);
  }
  TrimControlChars(all);
}

}  // namespace corvane
