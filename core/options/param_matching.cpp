#include "core/options/param_matching.h"

#include <cstddef>
#include <iterator>
#include <string_view>

#include "core/console/core_state.h"
#include "core/options/ascii_text.h"
#include "core/options/number_conversion.h"
#include "core/options/option_spellings.h"

namespace {

// An attached value is cut to this many characters.
constexpr std::size_t kMaxAttachedValue = 999;
// Aliases of one list split up front; a longer list is split as it goes.
constexpr std::size_t kMaxSplitAliases = 16;

struct TAliasMatch {
  bool Matched = false;
  bool Attached = false;
  std::size_t OptionLength = 0;  // length of the spelling; the separator follows it
};

// Whether arg is prefix + alias, whole or followed by ":" or "=". Prefixes
// hold no letters, so only the alias part needs case folding.
bool MatchSpelling(std::string_view prefix, std::string_view alias, std::string_view arg,
                   bool attachAllowed, TAliasMatch& match) {
  const std::size_t length = prefix.size() + alias.size();
  if (arg.size() < length || arg.substr(0, prefix.size()) != prefix ||
      !SameIgnoringCase(arg.substr(prefix.size(), alias.size()), alias)) {
    return false;
  }
  if (arg.size() == length) {
    match = {true, false, length};
    return true;
  }
  if (attachAllowed && (arg[length] == ':' || arg[length] == '=')) {
    match = {true, true, length};
    return true;
  }
  return false;
}

// Tries the accepted spellings of the alias in their order, without building
// any of them.
TAliasMatch MatchAlias(std::string_view alias, std::string_view arg) {
  static constexpr std::string_view kBareShort[] = {"", "/", "-"};
  static constexpr std::string_view kShort[] = {"/", "-"};
  static constexpr std::string_view kLongDoubleDash[] = {"/", "--"};
  static constexpr std::string_view kLong[] = {"/", "-", "--"};

  TAliasMatch match;
  if (alias.empty()) return match;
  const std::int32_t mode = CoreState.ParamMatchMode;
  const bool attachAllowed = mode == 2 || mode == 3;

  const std::string_view* prefixes = nullptr;
  std::size_t count = 0;
  if (alias.size() == 1) {
    if ((mode == 1 || mode == 3) && IsBareSymbolChar(alias[0])) {
      prefixes = kBareShort;
      count = std::size(kBareShort);
    } else {
      prefixes = kShort;
      count = std::size(kShort);
    }
  } else if (CoreState.DoubleDashForLongNames) {
    prefixes = kLongDoubleDash;
    count = std::size(kLongDoubleDash);
  } else {
    prefixes = kLong;
    count = std::size(kLong);
  }
  for (std::size_t k = 0; k < count; ++k) {
    if (MatchSpelling(prefixes[k], alias, arg, attachAllowed, match)) return match;
  }
  return match;
}

// How one search treats the values of its option.
struct TSearchRules {
  std::int32_t ValuesTaken = 0;
  bool FirstRequired = false;
  bool SecondRequired = false;
};

void MarkIncomplete(TParamStatusRec& entry, bool attached) {
  entry.Status = psIncomplete;
  entry.IsOption = true;
  entry.HasValue = false;
  // The entry keeps saying that it carried a separator, as its field means.
  entry.ValueAttached = attached;
}

// One value of option i from argument valueIndex; the end of the command
// line, not the end of the scope, means that there is none.
void TakeValue(TFindParamRec& rec, TParamStatusArray& table, std::size_t i, std::size_t valueIndex,
               bool required, bool attached, std::string& value) {
  TParamStatusRec& option = table[i];
  if (valueIndex >= table.size()) {
    value.clear();
    if (required) {
      rec.Found = false;
      MarkIncomplete(option, attached);
    }
    return;
  }
  TParamStatusRec& next = table[valueIndex];
  value = next.Text;
  if (required && next.Text.empty()) {
    rec.Found = false;
    MarkIncomplete(option, attached);
  } else if (next.Status == psUnclaimed || next.Status == psOptionValue) {
    next.Status = psOptionValue;
    next.HasValue = true;
  } else {
    // Someone else claimed it: the value is reported, the option is not complete.
    option.Status = psIncomplete;
    option.IsOption = true;
  }
}

// A negative bound becomes a very large unsigned value, as the callers expect.
std::uint64_t WidenWithSign(std::int32_t v) {
  return static_cast<std::uint64_t>(static_cast<std::int64_t>(v));
}

void LogMatch(const TFindParamRec& rec) {
  if (CoreState.KeepFoundParams) FoundParams.push_back(rec);
}

// Records one match of argument i. True when an accepted attached value ends
// the work on this argument.
bool ClaimMatch(TFindParamRec& rec, TParamStatusArray& table, std::size_t i,
                const TAliasMatch& match, const TSearchRules& rules,
                const std::string& defaultValue, const std::string& defaultValue2) {
  TParamStatusRec& entry = table[i];
  if (rec.ParamIndex != -1) {
    // A later match replaces an earlier one whole, not field by field.
    rec.Value = defaultValue;
    rec.Value2 = defaultValue2;
    rec.ValueAttached = false;
  }
  entry.Status = psOption;
  entry.IsOption = true;
  rec.ParamIndex = static_cast<std::int32_t>(i);
  rec.NextIndex = static_cast<std::int32_t>(i) + 1;
  rec.Found = true;

  if (match.Attached) {
    rec.ParamText.assign(entry.Text, 0, match.OptionLength);
    rec.Value.assign(entry.Text, match.OptionLength + 1, kMaxAttachedValue);
    rec.ValueAttached = true;
    if (!rec.Value.empty() || !rules.FirstRequired) {
      entry.Status = psOptionWithValue;
      entry.IsOption = true;
      entry.HasValue = true;
      entry.ValueAttached = true;
      entry.IsPositional = false;
      LogMatch(rec);
      return true;
    }
    MarkIncomplete(entry, true);
  } else {
    rec.ParamText = entry.Text;
  }

  if (rules.ValuesTaken == 1 || rules.ValuesTaken == 2) {
    TakeValue(rec, table, i, i + 1, rules.FirstRequired, match.Attached, rec.Value);
  }
  if (rules.ValuesTaken == 2) {
    TakeValue(rec, table, i, i + 2, rules.SecondRequired, match.Attached, rec.Value2);
  }
  LogMatch(rec);
  return false;
}

}  // namespace

bool IsBareSymbolChar(char c) {
  switch (c) {
    case '!':
    case '#':
    case '$':
    case '%':
    case '*':
    case '+':
    case '-':
    case '.':
    case '@':
    case '_':
    case '~':
      return true;
    default:
      return false;
  }
}

void ParamScopeToRange(std::int32_t position, std::int32_t scopeMode, std::int32_t& startIndex,
                       std::int32_t& lastIndex) {
  if (scopeMode == 0) {
    startIndex = position;
    lastIndex = -1;
  } else if (scopeMode == 1) {
    startIndex = -1;
    lastIndex = position;
  } else {
    // No scope defined: a range that holds no argument.
    startIndex = 1;
    lastIndex = 0;
  }
}

bool MatchParamAlias(const std::string& alias, const std::string& arg, TFindParamRec& scratch) {
  scratch.ValueAdjusted = false;
  scratch.Found = false;
  scratch.ValueAttached = false;
  scratch.ParamIndex = -1;
  scratch.NextIndex = -1;
  scratch.ParamText.clear();
  scratch.Value.clear();
  scratch.Value2.clear();

  TAliasMatch match = MatchAlias(alias, arg);
  if (!match.Matched) return false;
  scratch.Found = true;
  if (!match.Attached) {
    scratch.ParamText = arg;
    return true;
  }
  scratch.ParamText.assign(arg, 0, match.OptionLength);
  scratch.Value.assign(arg, match.OptionLength + 1, kMaxAttachedValue);
  scratch.ValueAttached = true;
  return true;
}

void FindParam(TFindParamRec& rec, TParamStatusArray& table, std::string_view aliases,
               std::int32_t lastIndex, std::int32_t startIndex, std::int32_t valuesTaken,
               std::int32_t flags, const std::string& defaultValue,
               const std::string& defaultValue2) {
  RegisterAliases(CoreState.DefinedAliases, aliases);

  rec.ParamText.clear();
  rec.Value = defaultValue;
  rec.Value2 = defaultValue2;
  rec.ParamIndex = -1;
  rec.NextIndex = -1;
  rec.Found = false;
  rec.ValueAttached = false;
  rec.ValueAdjusted = false;

  const std::int32_t high = static_cast<std::int32_t>(table.size()) - 1;
  const std::int32_t last = lastIndex == -1 || lastIndex > high ? high : lastIndex;
  const std::int32_t start = startIndex < 0 ? 0 : startIndex;
  if (last < start) return;

  TSearchRules rules;
  rules.ValuesTaken = valuesTaken;
  rules.FirstRequired = (flags & (pfRequireAllValues | pfRequireValue)) != 0;
  rules.SecondRequired = (flags & pfRequireAllValues) != 0;
  const bool findAll = (flags & pfFindAll) != 0;

  // The list is split once per search, not once per argument.
  std::string_view split[kMaxSplitAliases];
  std::size_t aliasCount = 0;
  bool bareSymbols = false;
  std::size_t pos = 0;
  while (aliasCount < kMaxSplitAliases) {
    const std::string_view alias = NextAlias(aliases, pos);
    if (alias.empty()) break;
    split[aliasCount++] = alias;
    bareSymbols = bareSymbols || (alias.size() == 1 && IsBareSymbolChar(alias[0]));
  }
  std::size_t probe = pos;
  const bool spilled = aliasCount == kMaxSplitAliases && !NextAlias(aliases, probe).empty();
  // Every spelling begins with "/" or "-" unless a bare symbol may be typed alone.
  // (The spilled rest is not looked at, so it may hold one.)
  const bool bareTyping =
      (bareSymbols || spilled) && (CoreState.ParamMatchMode == 1 || CoreState.ParamMatchMode == 3);

  for (std::int32_t i = start; i <= last; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    const std::string& text = table[at].Text;
    if (!bareTyping && (text.empty() || (text[0] != '/' && text[0] != '-'))) continue;
    // An accepted attached value ends the work on this argument.
    bool settled = false;
    for (std::size_t a = 0; a < aliasCount && !settled; ++a) {
      TAliasMatch match = MatchAlias(split[a], text);
      settled =
          match.Matched && ClaimMatch(rec, table, at, match, rules, defaultValue, defaultValue2);
    }
    // A list longer than the array: the rest is split as it is tried.
    std::size_t rest = pos;
    for (std::string_view alias = spilled ? NextAlias(aliases, rest) : std::string_view();
         !alias.empty() && !settled; alias = NextAlias(aliases, rest)) {
      TAliasMatch match = MatchAlias(alias, text);
      settled =
          match.Matched && ClaimMatch(rec, table, at, match, rules, defaultValue, defaultValue2);
    }
    if (!findAll && rec.ParamIndex != -1) return;
  }
}

namespace {

// The entry points' common part: the scope turned into a range, one search.
TFindParamRec FindInScope(TParamStatusArray& table, std::string_view aliases, std::int32_t position,
                          std::int32_t scopeMode, std::int32_t valuesTaken, std::int32_t flags,
                          const std::string& defaultValue) {
  std::int32_t start = 0;
  std::int32_t last = 0;
  ParamScopeToRange(position, scopeMode, start, last);
  TFindParamRec rec;
  FindParam(rec, table, aliases, last, start, valuesTaken, flags, defaultValue, std::string());
  return rec;
}

}  // namespace

TFindParamRec FindSwitchParam(TParamStatusArray& table, std::string_view aliases,
                              std::int32_t flags, std::int32_t position, std::int32_t scopeMode) {
  return FindInScope(table, aliases, position, scopeMode, 0, flags, std::string());
}

TFindParamRec FindFlagParam(TParamStatusArray& table, std::string_view aliases, bool& target,
                            std::int32_t position, std::int32_t scopeMode) {
  TFindParamRec rec = FindInScope(table, aliases, position, scopeMode, 1, 0, std::string());
  target = rec.Found;
  return rec;
}

TFindParamRec FindTextParam(TParamStatusArray& table, std::string_view aliases, std::string& target,
                            std::int32_t flags, std::int32_t position, std::int32_t scopeMode) {
  if ((flags & pfKeepDefault) == 0) target.clear();
  TFindParamRec rec = FindInScope(table, aliases, position, scopeMode, 1, flags, target);
  target = rec.Value;
  return rec;
}

TFindParamRec FindNumberParam(TParamStatusArray& table, std::string_view aliases,
                              std::int32_t& target, std::int32_t defaultValue,
                              std::int32_t minValue, std::int32_t maxValue, std::int32_t position,
                              std::int32_t scopeMode) {
  TFindParamRec rec = FindInScope(table, aliases, position, scopeMode, 1, 0, std::string());
  std::uint64_t n = StrToNumberRange(rec.Value, WidenWithSign(defaultValue),
                                     WidenWithSign(minValue), WidenWithSign(maxValue));
  target = static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
  rec.Value = std::to_string(target);
  rec.ValueAdjusted = CoreState.ParamValueAdjusted;
  return rec;
}
