#include "core/options/syntax_validation.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <vector>

#include "core/console/core_state.h"
#include "core/options/substring_index.h"

namespace {

constexpr std::uint16_t kCounterMax = std::numeric_limits<std::uint16_t>::max();

// Letter case is folded for ASCII letters only, the same for every locale.
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
  return out;
}

std::uint16_t SaturatedIndex(std::int64_t index) {
  return index > kCounterMax ? kCounterMax : static_cast<std::uint16_t>(index);
}

// Separator sets are a few bytes: a plain loop beats a library search per byte.
bool IsOneOf(char c, std::string_view set) {
  for (char s : set) {
    // cppcheck-suppress useStlAlgorithm
    if (s == c) return true;
  }
  return false;
}

// The next non-empty piece of s between separator characters, from pos on;
// empty when s is used up.
std::string_view NextPiece(std::string_view s, std::size_t& pos, std::string_view separators) {
  // Bytes above the separators' highest cannot be one: most bytes skip the set.
  unsigned char highest = 0;
  for (char c : separators) highest = std::max(highest, static_cast<unsigned char>(c));
  auto isSeparator = [&](char c) {
    return static_cast<unsigned char>(c) <= highest && IsOneOf(c, separators);
  };
  while (pos < s.size() && isSeparator(s[pos])) ++pos;
  const std::size_t start = pos;
  while (pos < s.size() && !isSeparator(s[pos])) ++pos;
  return s.substr(start, pos - start);
}

// Whether word followed by a blank occurs in text followed by a blank.
bool OccursBeforeBlank(std::string_view text, std::string_view word) {
  for (std::size_t p = text.find(word); p != std::string_view::npos; p = text.find(word, p + 1)) {
    const std::size_t end = p + word.size();
    if (end == text.size() || text[end] == ' ') return true;
  }
  return false;
}

void TrimControlChars(std::string& s) {
  auto isControl = [](char c) { return static_cast<unsigned char>(c) < 33; };
  std::size_t end = s.size();
  while (end > 0 && isControl(s[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && isControl(s[begin])) ++begin;
  s.erase(end);
  s.erase(0, begin);
}

// AddToParamList for any text. Stops at the top instead of wrapping: a
// counter that wrapped to 0 would make a list full of unclaimed arguments
// look empty to its reader. The quoting is QuoteIfSpaced's, done in place.
void AppendToList(std::uint16_t& counter, std::string& list, std::string_view text) {
  if (counter < kCounterMax) ++counter;
  const bool quoted = text.empty() || text.find(' ') != std::string_view::npos;
  if (quoted) list += '"';
  list += text;
  if (quoted) list += '"';
  list += ' ';
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (AsciiLower(a[k]) != AsciiLower(b[k])) return false;
  }
  return true;
}

// The most DistinctList can grow to over the range: every shown text quoted,
// with its blank.
std::size_t ListLengthBound(const TParamStatusArray& table, std::int64_t first, std::int64_t last) {
  std::size_t bound = 0;
  for (std::int64_t k = first; k <= last; ++k) {
    bound += table[static_cast<std::size_t>(k)].Text.size() + 5;
  }
  return bound;
}

void AddShownText(TParamStatisticsRec& rec, TSubstringIndex& distinctIndex,
                  const TParamStatusRec& arg) {
  AppendToList(rec.AllCount, rec.AllList, arg.Text);
  const std::string_view shown = arg.Text.empty() ? std::string_view("\"\"") : std::string_view(arg.Text);
  if (!arg.Text.empty()) AppendToList(rec.NonEmptyCount, rec.NonEmptyList, arg.Text);

  // The index holds DistinctList lower-cased, so each argument costs its own
  // length instead of a search through the whole list.
  if (!SubstringIndexContains(distinctIndex, LowerAscii(shown))) {
    std::size_t before = rec.DistinctList.size();
    AppendToList(rec.DistinctCount, rec.DistinctList, shown);
    SubstringIndexAppend(distinctIndex,
                         LowerAscii(std::string_view(rec.DistinctList).substr(before)));
  }

  if (arg.Status != psOption && arg.Status != psOptionValue) {
    AppendToList(rec.OtherCount, rec.OtherList, shown);
  }
  AppendToList(rec.ShownCount, rec.ShownList, shown);
  switch (arg.Status) {
    case psUnclaimed: AppendToList(rec.InvalidCount, rec.InvalidList, shown); break;
    case psOption: AppendToList(rec.OptionCount, rec.OptionList, shown); break;
    case psOptionValue: AppendToList(rec.ValueCount, rec.ValueList, shown); break;
    case psOptionWithValue: AppendToList(rec.AttachedCount, rec.AttachedList, shown); break;
    case psIncomplete: AppendToList(rec.IncompleteCount, rec.IncompleteList, shown); break;
    case psPositional: AppendToList(rec.PositionalCount, rec.PositionalList, shown); break;
  }
}

// Whether piece is one of the blank-ended spellings, ignoring letter case.
bool IsKnownSpelling(std::string_view spellings, std::string_view piece) {
  std::size_t start = 0;
  for (std::size_t blank = spellings.find(' '); blank != std::string_view::npos;
       start = blank + 1, blank = spellings.find(' ', start)) {
    if (blank - start == piece.size() && SameIgnoringCase(spellings.substr(start, piece.size()), piece)) {
      return true;
    }
  }
  return false;
}

void CheckKnownOptions(TParamStatisticsRec& rec, bool checkKnown) {
  if (rec.KnownSpellings.empty()) return;
  // The spellings depend on the defined aliases only, so a scan of them per
  // piece keeps the cost linear in the arguments.
  // "=" is deliberately not a separator: -n=3 stays one piece.
  for (const std::string* list : {&rec.OptionList, &rec.AttachedList}) {
    std::size_t at = 0;
    for (std::string_view piece = NextPiece(*list, at, " :"); !piece.empty();
         piece = NextPiece(*list, at, " :")) {
      if (IsKnownSpelling(rec.KnownSpellings, piece)) {
        rec.KnownOptionsGiven.append(piece).append(1, ' ');
      }
    }
  }
  rec.NoKnownOption = checkKnown && rec.KnownOptionsGiven.empty();
}

}  // namespace

void AddToParamList(std::uint16_t& counter, std::string& list, const std::string& text) {
  AppendToList(counter, list, text);
}

void BuildInfoAliases(std::string& out, const std::string& all, const std::string& standard) {
  // Each word " --W" is at most three bytes longer than W itself.
  out.reserve(out.size() + 3 * standard.size() + 3);
  // Words of the standard list, upper-cased on the stack, where double
  // quotes group blanks into a word and are themselves dropped.
  char folded[64];
  std::string longWord;
  std::size_t p = 0;
  while (p < standard.size()) {
    std::size_t length = 0;
    bool quoted = false;
    for (; p < standard.size() && (quoted || standard[p] != ' '); ++p) {
      const char c = standard[p];
      if (c == '"') {
        quoted = !quoted;
        continue;
      }
      if (length < sizeof folded) {
        folded[length] = AsciiUpper(c);
      } else {
        if (length == sizeof folded) longWord.assign(folded, length);
        longWord += AsciiUpper(c);
      }
      ++length;
    }
    ++p;
    const std::string_view word =
        length <= sizeof folded ? std::string_view(folded, length) : std::string_view(longWord);
    if (word.empty() || OccursBeforeBlank(out, word) || !OccursBeforeBlank(all, word)) continue;
    out += word.size() == 1 ? " -" : " --";
    out += word;
  }
  TrimControlChars(out);
}

void CollectParamStatistics(TParamStatisticsRec& record, const TParamStatusArray& table,
                            const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                            std::int32_t lastIndex) {
  // Built before the reset: the alias text may be a field of the record.
  std::string spellings = BuildOptionSpellings(aliases, 0);
  InitParamStatistics(record, "");
  BuildInfoAliases(CoreState.EssentialAliases, CoreState.DefinedAliases, StandardInfoAliases);
  record.KnownSpellings = std::move(spellings);

  // The counters stop at 65535; the rule on the first index needs the real
  // number of validated arguments.
  std::int64_t validated = 0;
  if (!table.empty()) {
    const std::int64_t highest = static_cast<std::int64_t>(table.size()) - 1;
    const std::int64_t first = firstIndex < 0 ? 0 : firstIndex;
    const std::int64_t last = (lastIndex < 0 || lastIndex > highest) ? highest : lastIndex;
    record.FirstIndex = SaturatedIndex(first);
    record.LastIndex = SaturatedIndex(last);

    TSubstringIndex distinctIndex;
    SubstringIndexReset(distinctIndex);
    SubstringIndexReserve(distinctIndex, ListLengthBound(table, first, last));
    for (std::int64_t k = 0; k <= highest; ++k) {
      const TParamStatusRec& arg = table[static_cast<std::size_t>(k)];
      if (k < first || k > last) {
        AppendToList(record.OutOfRangeCount, record.OutOfRangeList, arg.Text);
        if (arg.Status == psPositional) {
          AppendToList(record.PositionalCount, record.PositionalList, arg.Text);
        }
        continue;
      }
      AddShownText(record, distinctIndex, arg);
      ++validated;
    }
  }

  CheckKnownOptions(record, checkKnown);
  record.Validated = true;
  const std::int64_t first = firstIndex < 0 ? 0 : firstIndex;
  record.IsValid = first <= validated && record.InvalidList.empty() &&
                   record.IncompleteList.empty() && !record.NoKnownOption;
}

void ValidateSyntax(TParamStatisticsRec& record, const TParamStatusArray& table,
                    const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                    std::int32_t lastIndex) {
  const bool fillDefault = !DefaultValidation.Validated && &record != &DefaultValidation;
  const bool wholeRange =
      firstIndex <= 0 && (lastIndex < 0 || static_cast<std::size_t>(lastIndex) + 1 >= table.size());
  if (!fillDefault || wholeRange) {
    CollectParamStatistics(record, table, aliases, checkKnown, firstIndex, lastIndex);
    if (fillDefault) {
      // The same pass over the same range: its result, under the default record's own name.
      std::string name = std::move(DefaultValidation.RecordName);
      DefaultValidation = record;
      DefaultValidation.RecordName = std::move(name);
    }
    return;
  }
  // The first pass may change the alias text (it may be a field of the
  // record); the second needs it as given.
  const std::string aliasList = aliases;  // NOLINT(performance-unnecessary-copy-initialization)
  CollectParamStatistics(record, table, aliasList, checkKnown, firstIndex, lastIndex);
  CollectParamStatistics(DefaultValidation, table, aliasList, checkKnown, -1, -1);
}
