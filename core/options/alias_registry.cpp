#include "core/options/alias_registry.h"

#include "core/options/ascii_text.h"

namespace corvane {

bool OccursAsWord(std::string_view list, std::string_view word, bool blankBefore) {
  for (std::size_t at = list.find(word); at != std::string_view::npos;
       at = list.find(word, at + 1)) {
    const std::size_t end = at + word.size();
    if ((!blankBefore || at == 0 || list[at - 1] == ' ') &&
        (end == list.size() || list[end] == ' ')) {
      return true;
    }
  }
  return false;
}

const TPrecomputedAliases* PrecomputedAliases = nullptr;

const TPrecomputedAliases* PrecomputedFor(std::string_view definedAliases) {
  const TPrecomputedAliases* work = PrecomputedAliases;
  return work != nullptr && work->DefinedAliases == definedAliases ? work : nullptr;
}

namespace {

// The registry after aliases, when the record holds it: the registry is
// what the record had before one of its searches of this very list.
bool TakePrecomputedRegistry(std::string& all, std::string_view aliases) {
  const TPrecomputedAliases* work = PrecomputedAliases;
  if (work == nullptr || !work->DefinedAliases.starts_with(all)) return false;
  std::size_t before = 0;
  for (std::size_t k = 0; k < work->Lists.size() && k < work->Registered.size(); ++k) {
    const std::size_t after = work->Registered[k];
    if (before == all.size() && work->Lists[k] == aliases && after <= work->DefinedAliases.size()) {
      all.reserve(work->DefinedAliases.size());
      all.assign(work->DefinedAliases, 0, after);
      return true;
    }
    before = after;
  }
  return false;
}

}  // namespace

bool WordNotListed(std::string_view word, std::string_view list) {
  return !OccursAsWord(list, word, true);
}

void RegisterAliases(std::string& all, std::string_view aliases) {
  if (TakePrecomputedRegistry(all, aliases)) return;
  const std::string upper = UpperAscii(aliases);
  std::size_t at = 0;
  for (std::string_view word = NextQuotedWord(upper, at); !word.empty();
       word = NextQuotedWord(upper, at)) {
    if (WordNotListed(word, all)) all.append(1, ' ').append(word);
  }
  TrimControlChars(all);
}

}  // namespace corvane
