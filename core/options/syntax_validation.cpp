#include "core/options/syntax_validation.h"

#include <limits>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/console/core_state.h"
#include "core/options/param_matching.h"
#include "core/options/substring_index.h"

namespace {

constexpr std::uint16_t kCounterMax = std::numeric_limits<std::uint16_t>::max();

// Letter case is folded for ASCII letters only, the same for every locale, so
// that a hash of the folded text can stand in for a case-insensitive search.
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

std::uint16_t SaturatedIndex(std::int64_t index) {
  return index > kCounterMax ? kCounterMax : static_cast<std::uint16_t>(index);
}

bool IsOneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

// Non-empty pieces of s between any of the separator characters.
std::vector<std::string_view> SplitAt(std::string_view s, std::string_view separators) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || IsOneOf(s[i], separators)) {
      if (i > start) pieces.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  return pieces;
}

// Words separated by blanks, where double quotes group blanks into a word and
// are themselves dropped; empty words are dropped.
std::vector<std::string> SplitQuotedWords(std::string_view s) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (char c : s) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

void TrimControlChars(std::string& s) {
  auto isControl = [](char c) { return static_cast<unsigned char>(c) < 33; };
  std::size_t end = s.size();
  while (end > 0 && isControl(s[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && isControl(s[begin])) ++begin;
  s = s.substr(begin, end - begin);
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
  const std::string shown = arg.Text.empty() ? std::string("\"\"") : arg.Text;
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
  switch (arg.Status) {
    case psUnclaimed: AddToParamList(rec.InvalidCount, rec.InvalidList, shown); break;
    case psOption: AddToParamList(rec.OptionCount, rec.OptionList, shown); break;
    case psOptionValue: AddToParamList(rec.ValueCount, rec.ValueList, shown); break;
    case psOptionWithValue: AddToParamList(rec.AttachedCount, rec.AttachedList, shown); break;
    case psIncomplete: AddToParamList(rec.IncompleteCount, rec.IncompleteList, shown); break;
    case psPositional: AddToParamList(rec.PositionalCount, rec.PositionalList, shown); break;
  }
}

void CheckKnownOptions(TParamStatisticsRec& rec, bool checkKnown) {
  if (rec.KnownSpellings.empty()) return;
  std::unordered_set<std::string> known;
  for (std::string_view spelling : SplitAt(rec.KnownSpellings, " ")) {
    known.insert(LowerAscii(spelling));
  }
  // "=" is deliberately not a separator: -n=3 stays one piece.
  const std::string given = rec.OptionList + rec.AttachedList;
  for (std::string_view piece : SplitAt(given, " :")) {
    if (known.count(LowerAscii(piece)) != 0) {
      rec.KnownOptionsGiven += piece;
      rec.KnownOptionsGiven += ' ';
    }
  }
  rec.NoKnownOption = checkKnown && rec.KnownOptionsGiven.empty();
}

}  // namespace

void AddToParamList(std::uint16_t& counter, std::string& list, const std::string& text) {
  // Stop at the top instead of wrapping: a counter that wrapped to 0 would
  // make a list full of unclaimed arguments look empty to its reader.
  if (counter < kCounterMax) ++counter;
  list += QuoteIfSpaced(text);
  list += ' ';
}

std::string BuildOptionSpellings(const std::string& aliases, std::int32_t mode) {
  const bool bareAllowed = mode == 1 || mode == 3;
  const bool attachAllowed = mode == 2 || mode == 3;
  static const std::vector<std::string_view> kNoSuffix = {""};
  static const std::vector<std::string_view> kAllSuffixes = {"", ":", "="};
  const std::vector<std::string_view>& suffixes = attachAllowed ? kAllSuffixes : kNoSuffix;

  std::string result;
  for (std::string_view alias : SplitAt(aliases, " ,;")) {
    std::vector<std::string_view> prefixes;
    if (alias.size() > 1) {
      prefixes = CoreState.DoubleDashForLongNames ? std::vector<std::string_view>{"/", "--"}
                                                  : std::vector<std::string_view>{"/", "-", "--"};
    } else if (bareAllowed && IsOneOf(alias[0], BareSymbolChars)) {
      prefixes = {"", "/", "-"};
    } else {
      prefixes = {"/", "-"};
    }
    for (std::string_view suffix : suffixes) {
      for (std::string_view prefix : prefixes) {
        std::string piece;
        piece.append(prefix).append(alias).append(suffix).append(" ");
        // A plain search is enough here: the result grows with the number of
        // defined aliases, which is small and independent of the arguments.
        if (result.find(piece) == std::string::npos) result += piece;
      }
    }
  }
  return result;
}

void BuildInfoAliases(std::string& out, const std::string& all, const std::string& standard) {
  if (!standard.empty()) {
    const std::string allSpaced = all + ' ';
    for (const std::string& word : SplitQuotedWords(UpperAscii(standard))) {
      const std::string key = word + ' ';
      if ((out + ' ').find(key) != std::string::npos) continue;
      if (allSpaced.find(key) == std::string::npos) continue;
      out += ' ';
      out += word.size() == 1 ? "-" : "--";
      out += word;
    }
  }
  TrimControlChars(out);
}

void CollectParamStatistics(TParamStatisticsRec& record, const TParamStatusArray& table,
                            const std::string& aliases, bool checkKnown, std::int32_t firstIndex,
                            std::int32_t lastIndex) {
  // The alias text may live in a record field that the reset below clears.
  const std::string aliasList = aliases;
  InitParamStatistics(record, "");
  BuildInfoAliases(CoreState.EssentialAliases, CoreState.DefinedAliases, StandardInfoAliases);
  record.KnownSpellings = BuildOptionSpellings(aliasList, 0);

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
  const std::string aliasList = aliases;
  CollectParamStatistics(record, table, aliasList, checkKnown, firstIndex, lastIndex);
  if (!DefaultValidation.Validated) {
    CollectParamStatistics(DefaultValidation, table, aliasList, checkKnown, -1, -1);
  }
}
