#include "core/options/alias_registry.h"

#include <algorithm>
#include <cstring>

#include "core/options/ascii_text.h"

namespace corvane {

bool OccursAsWord(std::string_view list, std::string_view word, bool blankBefore) {
  const std::size_t n = word.size();
  if (n > list.size()) return false;
  // The ends are checked before the bytes: most places of the first byte lie
  // inside other words.
  const char* const begin = list.data();
  const char* const last = begin + (list.size() - n);  // where the word would end the list
  for (const char* p = begin; p <= last; ++p) {
    if (n > 0 && (p = static_cast<const char*>(std::memchr(
                      p, word[0], static_cast<std::size_t>(last - p) + 1))) == nullptr) {
      return false;
    }
    if ((!blankBefore || p == begin || p[-1] == ' ') && (p == last || p[n] == ' ') &&
        (n == 0 || std::memcmp(p, word.data(), n) == 0)) {
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
