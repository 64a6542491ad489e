#include "core/options/param_matching.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "core/options/ascii_text.h"
#include "corvane/core_state.h"
#include "corvane/options.h"
#include "core/options/option_spellings.h"

namespace corvane {

namespace {

// An attached value is cut to this many characters.
constexpr std::size_t kMaxAttachedValue = 999;

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

// Records the match of argument i that MatchParamAlias left in scratch. True
// when an accepted attached value ends the work on this argument.
bool ClaimMatch(TFindParamRec& rec, TParamStatusArray& table, std::size_t i, TFindParamRec& scratch,
                const TSearchRules& rules, const std::string& defaultValue,
                const std::string& defaultValue2) {
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
  rec.ParamText = std::move(scratch.ParamText);

  if (scratch.ValueAttached) {
    rec.Value = std::move(scratch.Value);
    rec.ValueAttached = true;
    if (!rec.Value.empty() || !rules.FirstRequired) {
      entry.Status = psOptionWithValue;
      entry.IsOption = entry.HasValue = entry.ValueAttached = true;
      entry.IsPositional = false;
      LogMatch(rec);
      return true;
    }
    MarkIncomplete(entry, true);
  }

  if (rules.ValuesTaken == 1 || rules.ValuesTaken == 2) {
    TakeValue(rec, table, i, i + 1, rules.FirstRequired, rec.ValueAttached, rec.Value);
  }
  if (rules.ValuesTaken == 2) {
    TakeValue(rec, table, i, i + 2, rules.SecondRequired, rec.ValueAttached, rec.Value2);
  }
  LogMatch(rec);
  return false;
}

}  // namespace

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

bool MatchParamAlias(std::string_view alias, std::string_view arg, TFindParamRec& scratch) {
  scratch = TFindParamRec{};
  if (alias.empty()) return false;
  const std::int32_t mode = CoreState.ParamMatchMode;
  for (std::string_view prefix : AliasPrefixes(alias, mode, CoreState.DoubleDashForLongNames)) {
    // Prefixes hold no letters, so only the alias part needs case folding.
    const std::size_t length = prefix.size() + alias.size();
    if (arg.size() < length || !arg.starts_with(prefix) ||
        !SameIgnoringCase(arg.substr(prefix.size(), alias.size()), alias)) {
      continue;
    }
    if (arg.size() == length) {
      scratch.Found = true;
      scratch.ParamText = arg;
      return true;
    }
    if (AttachAllowed(mode) && (arg[length] == ':' || arg[length] == '=')) {
      scratch.Found = true;
      scratch.ValueAttached = true;
      scratch.ParamText = arg.substr(0, length);
      scratch.Value = arg.substr(length + 1, kMaxAttachedValue);
      return true;
    }
  }
  return false;
}

void FindParam(TFindParamRec& rec, TParamStatusArray& table, std::string_view aliases,
               std::int32_t lastIndex, std::int32_t startIndex, std::int32_t valuesTaken,
               std::int32_t flags, const std::string& defaultValue,
               const std::string& defaultValue2) {
  RegisterAliases(CoreState.DefinedAliases, aliases);

  rec.ParamText.clear();
  rec.Value = defaultValue;
  rec.Value2 = defaultValue2;
  rec.ParamIndex = rec.NextIndex = -1;
  rec.Found = rec.ValueAttached = rec.ValueAdjusted = false;

  const std::int32_t high = static_cast<std::int32_t>(table.size()) - 1;
  const std::int32_t last = lastIndex == -1 || lastIndex > high ? high : lastIndex;
  const std::int32_t start = startIndex < 0 ? 0 : startIndex;
  if (last < start) return;

  const TSearchRules rules{valuesTaken, (flags & (pfRequireAllValues | pfRequireValue)) != 0,
                           (flags & pfRequireAllValues) != 0};
  const bool findAll = (flags & pfFindAll) != 0;

  const bool bare = BareAllowed(CoreState.ParamMatchMode);
  TFindParamRec scratch;
  for (std::int32_t i = start; i <= last; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    const std::string& text = table[at].Text;
    // Every prefix begins with "/" or "-" unless a bare symbol may go without
    // one: most arguments end here (an empty text's byte 0 is its NUL).
    if (!bare && text[0] != '/' && text[0] != '-') continue;
    std::size_t pos = 0;
    for (std::string_view alias = NextAlias(aliases, pos); !alias.empty();
         alias = NextAlias(aliases, pos)) {
      // Every spelling has the alias at byte 0, 1 or 2: most pairs end here.
      const char head = UpperAsciiChar(alias[0]);
      if (UpperAsciiChar(text[0]) != head && (text.size() < 2 || UpperAsciiChar(text[1]) != head) &&
          (text.size() < 3 || UpperAsciiChar(text[2]) != head)) {
        continue;
      }
      // An accepted attached value ends the work on this argument.
      if (MatchParamAlias(alias, text, scratch) &&
          ClaimMatch(rec, table, at, scratch, rules, defaultValue, defaultValue2)) {
        break;
      }
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

}  // namespace corvane
