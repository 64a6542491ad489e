#include "core/options/syntax_validation.h"

#include <limits>
#include <string_view>
#include <utility>

#include "core/options/core_settings.h"
#include "core/options/ascii_text.h"
#include "core/options/substring_index.h"

namespace corvane {

namespace {

constexpr std::uint16_t kCounterMax = std::numeric_limits<std::uint16_t>::max();

std::uint16_t SaturatedIndex(std::int64_t index) {
  return index > kCounterMax ? kCounterMax : static_cast<std::uint16_t>(index);
}

// Whether word followed by a blank occurs in text followed by a blank.
bool OccursBeforeBlank(std::string_view text, std::string_view word) {
  for (std::size_t p = text.find(word); p != std::string_view::npos; p = text.find(word, p + 1)) {
    const std::size_t end = p + word.size();
    if (end == text.size() || text[end] == ' ') return true;
  }
  return false;
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
  AddToParamList(rec.AllCount, rec.AllList, arg.Text);
  const std::string_view shown =
      arg.Text.empty() ? std::string_view("\"\"") : std::string_view(arg.Text);
  if (!arg.Text.empty()) AddToParamList(rec.NonEmptyCount, rec.NonEmptyList, arg.Text);

  // The index holds DistinctList lower-cased, so each argument costs its own
  // length instead of a search through the whole list.
  if (!SubstringIndexContains(distinctIndex, LowerAscii(shown))) {
    std::size_t before = rec.DistinctList.size();
    AddToParamList(rec.DistinctCount, rec.DistinctList, shown);
    SubstringIndexAppend(distinctIndex,
                         LowerAscii(std::string_view(rec.DistinctList).substr(before)));
  }

  if (arg.Status != psOption && arg.Status != psOptionValue) {
    AddToParamList(rec.OtherCount, rec.OtherList, shown);
  }
  AddToParamList(rec.ShownCount, rec.ShownList, shown);
  // clang-format off
  switch (arg.Status) {
    case psUnclaimed: AddToParamList(rec.InvalidCount, rec.InvalidList, shown); break;
    case psOption: AddToParamList(rec.OptionCount, rec.OptionList, shown); break;
    case psOptionValue: AddToParamList(rec.ValueCount, rec.ValueList, shown); break;
    case psOptionWithValue: AddToParamList(rec.AttachedCount, rec.AttachedList, shown); break;
    case psIncomplete: AddToParamList(rec.IncompleteCount, rec.IncompleteList, shown); break;
    case psPositional: AddToParamList(rec.PositionalCount, rec.PositionalList, shown); break;
  }
  // clang-format on
}

// Whether piece is one of the blank-ended spellings, ignoring letter case.
bool IsKnownSpelling(std::string_view spellings, std::string_view piece) {
  std::size_t start = 0;
  for (std::size_t blank = spellings.find(' '); blank != std::string_view::npos;
       start = blank + 1, blank = spellings.find(' ', start)) {
    if (SameIgnoringCase(spellings.substr(start, blank - start), piece)) return true;
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
  if (counter < kCounterMax) ++counter;
  AppendQuotedIfSpaced(list, text);
  list += ' ';
}

void BuildInfoAliases(std::string& out, const std::string& all, std::string_view standard) {
  std::size_t at = 0;
  for (std::string_view text = NextQuotedWord(standard, at); !text.empty();
       text = NextQuotedWord(standard, at)) {
    // Here the double quotes only group: they are not part of the word.
    std::string word = UpperAscii(text);
    std::erase(word, '"');
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
        AddToParamList(record.OutOfRangeCount, record.OutOfRangeList, arg.Text);
        if (arg.Status == psPositional) {
          AddToParamList(record.PositionalCount, record.PositionalList, arg.Text);
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

}  // namespace corvane
