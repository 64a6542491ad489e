#include "core/options/syntax_validation.h"
#include "core/options/param_records.h"
#include "core/base/text.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>

#include "core/options/alias_registry.h"
#include "core/options/ascii_text.h"
#include "corvane/core_state.h"
#include "core/options/substring_index.h"

namespace corvane {

namespace {

constexpr std::uint16_t kCounterMax = std::numeric_limits<std::uint16_t>::max();

std::uint16_t SaturatedIndex(std::int64_t index) {
  return index > kCounterMax ? kCounterMax : static_cast<std::uint16_t>(index);
}

// The bytes each list of a pass will hold, counted before any is filled so
// that each is allocated once: a string grown by doubling holds up to twice
// its text, and briefly a copy of it, and over thousands of arguments that
// made the lists take several times the argument bytes.
struct TListSizes {
  std::size_t Shown = 0;  // every list of the range that takes each argument
  std::size_t NonEmpty = 0;
  std::size_t Other = 0;
  std::size_t OutOfRange = 0;
  std::size_t Positional = 0;
  std::size_t ByStatus[psPositional + 1] = {};
};

bool NeedsQuotes(std::string_view text) {
  return text.empty() || text.find(' ') != std::string_view::npos;
}

// The item an argument adds to a list: its text, quoted when it is empty or
// holds a blank, and a blank. An empty argument's shown text "" gives the
// same bytes as the empty text quoted.
std::size_t ItemSize(std::string_view text) { return text.size() + (NeedsQuotes(text) ? 3 : 1); }

void AppendItem(std::uint16_t& counter, std::string& list, std::string_view text, bool quoted) {
  if (counter < kCounterMax) ++counter;
  if (quoted) list.push_back('"');
  list.append(text);
  if (quoted) list.push_back('"');
  list.push_back(' ');
}

TListSizes MeasureLists(const TParamStatusArray& table, std::int64_t first, std::int64_t last) {
  TListSizes sizes;
  for (std::size_t k = 0; k < table.size(); ++k) {
    const TParamStatusRec& arg = table[k];
    const std::size_t item = ItemSize(arg.Text);
    const auto at = static_cast<std::int64_t>(k);
    if (at < first || at > last) {
      sizes.OutOfRange += item;
      if (arg.Status == psPositional) sizes.Positional += item;
      continue;
    }
    sizes.Shown += item;
    if (!arg.Text.empty()) sizes.NonEmpty += item;
    if (arg.Status != psOption && arg.Status != psOptionValue) sizes.Other += item;
    if (arg.Status >= psUnclaimed && arg.Status <= psPositional) sizes.ByStatus[arg.Status] += item;
  }
  return sizes;
}

void ReserveLists(TParamStatisticsRec& rec, const TListSizes& sizes) {
  rec.AllList.reserve(sizes.Shown);
  // At most every argument is distinct.
  rec.DistinctList.reserve(sizes.Shown);
  rec.NonEmptyList.reserve(sizes.NonEmpty);
  rec.ShownList.reserve(sizes.Shown);
  rec.OptionList.reserve(sizes.ByStatus[psOption]);
  rec.ValueList.reserve(sizes.ByStatus[psOptionValue]);
  rec.OtherList.reserve(sizes.Other);
  rec.AttachedList.reserve(sizes.ByStatus[psOptionWithValue]);
  rec.IncompleteList.reserve(sizes.ByStatus[psIncomplete]);
  rec.InvalidList.reserve(sizes.ByStatus[psUnclaimed]);
  rec.OutOfRangeList.reserve(sizes.OutOfRange);
  rec.PositionalList.reserve(sizes.Positional + sizes.ByStatus[psPositional]);
}

std::string_view ShownText(const TParamStatusRec& arg) {
  return arg.Text.empty() ? std::string_view("\"\"") : std::string_view(arg.Text);
}

// Up to this many arguments times bytes of list at most, searching the list
// itself for each argument costs fewer instructions than building the index
// (measured: the crossing lies between 1,800 and 3,500).
constexpr std::size_t kPlainSearchLimit = 2048;

// Whether pattern, lower-cased, occurs in text, lower-cased.
bool ContainsIgnoringCase(std::string_view text, std::string_view pattern) {
  return std::search(text.begin(), text.end(), pattern.begin(), pattern.end(),
                     [](char a, char b) { return LowerAsciiChar(a) == LowerAsciiChar(b); }) !=
             text.end() ||
         pattern.empty();
}

// DistinctList's test: the index when there is one, else the list itself.
// The index holds the list lower-cased and knows each argument by its place
// in the range.
struct TDistinctTest {
  bool Indexed = false;
  TSubstringIndex Index;
  std::string Fed;  // the item last fed to the index, kept for its room
};

void PrepareDistinctTest(TDistinctTest& test, const TParamStatusArray& table, std::int64_t first,
                         std::int64_t last, std::size_t listBound) {
  const auto count = static_cast<std::size_t>(last - first + 1);
  test.Indexed = count * listBound > kPlainSearchLimit;
  if (!test.Indexed) return;
  std::size_t bytes = 0;
  for (std::int64_t k = first; k <= last; ++k) {
    bytes += ShownText(table[static_cast<std::size_t>(k)]).size();
  }
  // One lower-cased copy of every shown text, for the time of the build.
  std::string lowered;
  lowered.reserve(bytes);
  std::vector<std::string_view> patterns;
  patterns.reserve(count);
  for (std::int64_t k = first; k <= last; ++k) {
    const std::string_view shown = ShownText(table[static_cast<std::size_t>(k)]);
    const std::size_t at = lowered.size();
    for (char c : shown) lowered += LowerAsciiChar(c);
    patterns.emplace_back(lowered.data() + at, shown.size());
  }
  SubstringIndexBuild(test.Index, patterns);
}

void AddShownText(TParamStatisticsRec& rec, TDistinctTest& distinct, std::size_t place,
                  const TParamStatusRec& arg) {
  const bool quoted = NeedsQuotes(arg.Text);
  const std::string_view shown = ShownText(arg);
  // The shown text "" of an empty argument is appended as it is: the same
  // bytes the quotes would give.
  const std::string_view text = arg.Text;
  AppendItem(rec.AllCount, rec.AllList, text, quoted);
  if (!arg.Text.empty()) AppendItem(rec.NonEmptyCount, rec.NonEmptyList, text, quoted);

  const bool known = distinct.Indexed ? SubstringIndexContains(distinct.Index, place)
                                      : ContainsIgnoringCase(rec.DistinctList, shown);
  if (!known) {
    const std::size_t before = rec.DistinctList.size();
    AppendItem(rec.DistinctCount, rec.DistinctList, text, quoted);
    if (distinct.Indexed) {
      // Lower-cased straight from the list: one pass, no copy to fold after.
      distinct.Fed.resize(rec.DistinctList.size() - before);
      std::transform(rec.DistinctList.begin() + static_cast<std::ptrdiff_t>(before),
                     rec.DistinctList.end(), distinct.Fed.begin(), LowerAsciiChar);
      SubstringIndexAppend(distinct.Index, distinct.Fed);
    }
  }

  if (arg.Status != psOption && arg.Status != psOptionValue) {
    AppendItem(rec.OtherCount, rec.OtherList, text, quoted);
  }
  AppendItem(rec.ShownCount, rec.ShownList, text, quoted);
  // clang-format off
  switch (arg.Status) {
    case psUnclaimed: AppendItem(rec.InvalidCount, rec.InvalidList, text, quoted); break;
    case psOption: AppendItem(rec.OptionCount, rec.OptionList, text, quoted); break;
    case psOptionValue: AppendItem(rec.ValueCount, rec.ValueList, text, quoted); break;
    case psOptionWithValue: AppendItem(rec.AttachedCount, rec.AttachedList, text, quoted); break;
    case psIncomplete: AppendItem(rec.IncompleteCount, rec.IncompleteList, text, quoted); break;
    case psPositional: AppendItem(rec.PositionalCount, rec.PositionalList, text, quoted); break;
  }
  // clang-format on
}

// Whether piece is one of the blank-ended spellings, ignoring letter case:
// looked for by its last byte, in either case, before a blank.
bool IsKnownSpelling(std::string_view spellings, std::string_view piece) {
  const std::size_t n = piece.size();
  for (const char last : {UpperAsciiChar(piece.back()), LowerAsciiChar(piece.back())}) {
    for (std::size_t end = spellings.find(last, n - 1); end != std::string_view::npos;
         end = spellings.find(last, end + 1)) {
      if (end + 1 < spellings.size() && spellings[end + 1] == ' ' &&
          (end + 1 == n || spellings[end - n] == ' ') &&
          SameIgnoringCase(spellings.substr(end + 1 - n, n), piece)) {
        return true;
      }
    }
  }
  return false;
}

void CheckKnownOptions(TParamStatisticsRec& rec, bool checkKnown) {
  if (rec.KnownSpellings.empty()) return;
  // The spellings depend on the defined aliases only, so a scan of them per
  // piece keeps the cost linear in the arguments.
  // "=" is deliberately not a separator: -n=3 stays one piece.
  auto isSeparator = [](char c) { return c == ' ' || c == ':'; };
  for (const std::string* list : {&rec.OptionList, &rec.AttachedList}) {
    std::size_t at = 0;
    for (std::string_view piece = NextPiece(*list, at, isSeparator); !piece.empty();
         piece = NextPiece(*list, at, isSeparator)) {
      if (IsKnownSpelling(rec.KnownSpellings, piece)) {
        rec.KnownOptionsGiven.append(piece).append(1, ' ');
      }
    }
  }
  rec.NoKnownOption = checkKnown && rec.KnownOptionsGiven.empty();
}

}  // namespace

void AddToParamList(std::uint16_t& counter, std::string& list, std::string_view text) {
  AppendItem(counter, list, text, NeedsQuotes(text));
}

void BuildInfoAliases(std::string& out, const std::string& all, std::string_view standard) {
  if (const TPrecomputedAliases* work = PrecomputedFor(all);
      work != nullptr && out.empty() && standard == StandardInfoAliases) {
    out = work->EssentialAliases;
    return;
  }
  std::string upper = UpperAscii(standard);
  const std::string_view words(upper);
  out.reserve(out.size() + 2 * standard.size() + 2);
  std::size_t at = 0;
  for (std::string_view text = NextQuotedWord(words, at); !text.empty();
       text = NextQuotedWord(words, at)) {
    // Here the double quotes only group: they are not part of the word.
    char* const begin = upper.data() + (text.data() - words.data());
    const std::string_view word(begin, std::remove(begin, begin + text.size(), '"') - begin);
    if (word.empty() || OccursAsWord(out, word, false) || !OccursAsWord(all, word, false)) continue;
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

    const TListSizes sizes = MeasureLists(table, first, last);
    ReserveLists(record, sizes);
    TDistinctTest distinct;
    PrepareDistinctTest(distinct, table, first, last, sizes.Shown);
    for (std::int64_t k = 0; k <= highest; ++k) {
      const TParamStatusRec& arg = table[static_cast<std::size_t>(k)];
      if (k < first || k > last) {
        const bool quoted = NeedsQuotes(arg.Text);
        AppendItem(record.OutOfRangeCount, record.OutOfRangeList, arg.Text, quoted);
        if (arg.Status == psPositional) {
          AppendItem(record.PositionalCount, record.PositionalList, arg.Text, quoted);
        }
        continue;
      }
      AddShownText(record, distinct, static_cast<std::size_t>(k - first), arg);
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

}  // namespace corvane
