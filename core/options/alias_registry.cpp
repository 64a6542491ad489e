#include "core/options/alias_registry.h"

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
  const std::string upper = UpperAscii(aliases);
  std::size_t at = 0;
  for (std::string_view word = NextQuotedWord(upper, at); !word.empty();
       word = NextQuotedWord(upper, at)) {
    if (WordNotListed(word, all)) all.append(1, ' ').append(word);
  }
  TrimControlChars(all);
}

}  // namespace corvane
