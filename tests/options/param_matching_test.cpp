#include "core/options/param_matching.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/console/core_start.h"

using namespace corvane;

namespace {

TParamStatusArray MakeTable(const std::vector<std::string>& args) {
  TParamStatusArray table(args.size());
  for (std::size_t k = 0; k < args.size(); ++k) table[k].Text = args[k];
  return table;
}

std::vector<TParamStatus> StatusesOf(const TParamStatusArray& table) {
  std::vector<TParamStatus> statuses;
  for (const TParamStatusRec& e : table) statuses.push_back(e.Status);
  return statuses;
}

class ParamMatching : public ::testing::Test {
 protected:
  void SetUp() override { CoreRestoreDefaults(); }
  void TearDown() override { CoreRestoreDefaults(); }
};

// ---- Spellings ----------------------------------------------------------------

struct TSpellingCase {
  std::int32_t Mode;
  bool DoubleDash;
  std::string Alias;
  std::string Arg;
  bool Matches;
  std::string ParamText = {};  // expected when it matches; "" means Arg itself
  std::string Value = {};
  bool Attached = false;
};

TEST_F(ParamMatching, AcceptedAndRejectedSpellings) {
  const TSpellingCase cases[] = {
      // short alias, no attached values
      {0, true, "N", "-N", true}, {0, true, "N", "/N", true}, {0, true, "N", "-n", true},
      {0, true, "n", "/N", true}, {0, true, "N", "N", false}, {0, true, "N", "--n", false},
      {0, true, "N", "-n=3", false}, {0, true, "N", "/n:3", false}, {0, true, "N", "-n3", false},
      {0, true, "N", "-", false}, {0, true, "N", "/", false}, {0, true, "N", "", false},
      {0, true, "N", " -n", false}, {0, true, "N", "-n ", false}, {0, false, "N", "--n", false},
      // short alias with attached values
      {2, true, "N", "-n", true}, {2, true, "N", "-N=3", true, "-N", "3", true},
      {2, true, "N", "/n:3", true, "/n", "3", true}, {2, true, "N", "-n=", true, "-n", "", true},
      {2, true, "N", "-n:=x", true, "-n", "=x", true},
      {2, true, "C", "-c==", true, "-c", "=", true},
      {2, true, "N", "-n3", false}, {2, true, "N", "n=3", false}, {2, true, "N", "--n=3", false},
      {2, true, "N", "-n;3", false}, {2, true, "N", "-n =3", false},
      // bare symbols
      {0, true, "~", "~", false}, {0, true, "~", "/~", true}, {0, true, "~", "-~", true},
      {1, true, "~", "~", true}, {1, true, "~", "/~", true}, {1, true, "~", "-~", true},
      {1, true, "~", "~=x", false}, {1, true, "~", "~~", false},
      {3, true, "~", "~", true}, {3, true, "~", "~=x", true, "~", "x", true},
      {3, true, "~", "/~:x", true, "/~", "x", true},
      {2, true, "~", "~", false}, {2, true, "~", "~=x", false},
      {2, true, "~", "-~=x", true, "-~", "x", true},
      {7, true, "~", "~", false}, {7, true, "~", "-~=x", false},
      {1, true, "?", "?", false}, {1, true, "?", "/?", true}, {1, true, "?", "-?", true},
      {1, true, "-", "-", true}, {1, true, "-", "/-", true}, {1, true, "-", "--", true},
      {1, true, "-", "---", false}, {1, true, "A", "A", false},
      // long alias
      {0, true, "HELP", "--help", true}, {0, true, "HELP", "--Help", true},
      {0, true, "HELP", "/HELP", true}, {0, true, "help", "/HeLp", true},
      {0, true, "HELP", "-help", false}, {0, true, "HELP", "---help", false},
      {0, true, "HELP", "--hel", false}, {0, true, "HELP", "--helpx", false},
      {0, true, "HELP", "HELP", false}, {0, true, "HELP", "//help", false},
      {0, false, "HELP", "-help", true}, {0, false, "HELP", "--help", true},
      {0, false, "HELP", "/help", true}, {0, false, "HELP", "---help", false},
      {1, true, "??", "??", false}, {0, true, "??", "--??", true}, {0, true, "??", "-??", false},
      {2, true, "NUMBER", "--number=3", true, "--number", "3", true},
      {2, true, "NUMBER", "-number=3", false},
      {2, false, "NUMBER", "-number=3", true, "-number", "3", true},
      {2, true, "QUANTITY", "/quantity=3", true, "/quantity", "3", true},
      {2, true, "DEBUG-MODE", "--debug-mode:on", true, "--debug-mode", "on", true},
      {0, true, "NUMBER", "--number=3", false},
      // only ASCII letters fold; other bytes compare as they are
      {0, true, "\xE4", "-\xE4", true}, {0, true, "\xE4", "-\xC4", false},
      {0, true, "\xC4X", "--\xC4x", true}, {0, true, "\xC4X", "--\xE4X", false},
      {1, true, "~", "\xFE", false},
      // an empty alias has no spelling
      {0, true, "", "/", false}, {0, true, "", "", false}, {2, true, "", "-=x", false},
  };
  for (const TSpellingCase& c : cases) {
    CoreState.ParamMatchMode = c.Mode;
    CoreState.DoubleDashForLongNames = c.DoubleDash;
    TFindParamRec scratch;
    scratch.Value = "stale";
    scratch.ParamIndex = 4;
    bool matched = MatchParamAlias(c.Alias, c.Arg, scratch);
    SCOPED_TRACE("mode " + std::to_string(c.Mode) + (c.DoubleDash ? " --" : " -") + " alias \"" +
                 c.Alias + "\" arg \"" + c.Arg + "\"");
    EXPECT_EQ(matched, c.Matches);
    EXPECT_EQ(scratch.Found, c.Matches);
    EXPECT_EQ(scratch.ParamIndex, -1);
    EXPECT_EQ(scratch.ParamText, !c.Matches ? "" : c.Attached ? c.ParamText : c.Arg);
    EXPECT_EQ(scratch.Value, c.Value);
    EXPECT_EQ(scratch.ValueAttached, c.Attached);
  }
}

TEST_F(ParamMatching, EveryBareSymbolAndNothingElseGoesWithoutPrefix) {
  CoreState.ParamMatchMode = 1;
  TFindParamRec scratch;
  for (char c : std::string(BareSymbolChars)) {
    EXPECT_TRUE(IsBareSymbolChar(c)) << c;
    EXPECT_TRUE(MatchParamAlias(std::string(1, c), std::string(1, c), scratch)) << c;
  }
  for (char c : std::string("?/=:aZ0 \"\xFF")) {
    EXPECT_FALSE(IsBareSymbolChar(c)) << c;
    EXPECT_FALSE(MatchParamAlias(std::string(1, c), std::string(1, c), scratch)) << c;
  }
  EXPECT_FALSE(IsBareSymbolChar('\0'));
}

TEST_F(ParamMatching, TheApplicationsHelpSpellings) {
  CoreState.ParamMatchMode = 2;
  const struct {
    std::string Arg;
    bool Found;
  } cases[] = {{"-H", true},   {"-h", true},     {"/h", true},   {"--Help", true}, {"/HELP", true},
               {"/?", true},   {"-?", true},     {"--??", true}, {"/h2", true},    {"-help", false},
               {"--h", false}, {"?", false},     {"-??", false}, {"-h2", false}};
  for (const auto& c : cases) {
    TParamStatusArray table = MakeTable({c.Arg});
    TFindParamRec rec = FindSwitchParam(table, "H HELP ? H2 HELP2 ??", 0, -1, 0);
    EXPECT_EQ(rec.Found, c.Found) << c.Arg;
    EXPECT_EQ(table[0].Status, c.Found ? psOption : psUnclaimed) << c.Arg;
  }
}

// ---- Outcomes of one search ---------------------------------------------------

struct TSearchCase {
  const char* Name;
  std::vector<std::string> Args;
  std::vector<TParamStatus> Preset;  // statuses before the search; empty: all unclaimed
  std::int32_t ValuesTaken;
  std::int32_t Flags;
  std::vector<TParamStatus> Statuses;
  bool Found;
  std::int32_t ParamIndex;
  std::string ParamText;
  std::string Value;
  std::string Value2;
  bool Attached;
};

void RunSearchCases(const std::vector<TSearchCase>& cases) {
  for (const TSearchCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TParamStatusArray table = MakeTable(c.Args);
    for (std::size_t k = 0; k < c.Preset.size(); ++k) table[k].Status = c.Preset[k];
    TFindParamRec rec;
    rec.ValueAdjusted = true;
    FindParam(rec, table, "C CHAR", -1, -1, c.ValuesTaken, c.Flags, "def", "d2");
    EXPECT_EQ(StatusesOf(table), c.Statuses);
    EXPECT_EQ(rec.Found, c.Found);
    EXPECT_EQ(rec.ParamIndex, c.ParamIndex);
    EXPECT_EQ(rec.NextIndex, c.ParamIndex == -1 ? -1 : c.ParamIndex + 1);
    EXPECT_EQ(rec.ParamText, c.ParamText);
    EXPECT_EQ(rec.Value, c.Value);
    EXPECT_EQ(rec.Value2, c.Value2);
    EXPECT_EQ(rec.ValueAttached, c.Attached);
    EXPECT_FALSE(rec.ValueAdjusted);
  }
}

constexpr TParamStatus U = psUnclaimed, O = psOption, V = psOptionValue, W = psOptionWithValue,
                       I = psIncomplete, P = psPositional;
constexpr std::int32_t kReq = pfRequireValue, kReqAll = pfRequireAllValues, kAll = pfFindAll;

TEST_F(ParamMatching, FirstValueOutcomes) {
  CoreState.ParamMatchMode = 2;
  RunSearchCases({
      {"plain match, no values", {"-c", "x"}, {}, 0, 0, {O, U}, true, 0, "-c", "def", "d2", false},
      {"attached accepted", {"-c=#", "x"}, {}, 1, 0, {W, U}, true, 0, "-c", "#", "d2", true},
      {"attached empty, not required", {"-c=", "x"}, {}, 1, 0, {W, U}, true, 0, "-c", "", "d2",
       true},
      {"attached empty, required, next taken", {"-c=", "x"}, {}, 1, kReq, {I, V}, true, 0, "-c",
       "x", "d2", true},
      {"attached empty, required, no next", {"-c="}, {}, 1, kReq, {I}, false, 0, "-c", "", "d2",
       true},
      {"attached empty, required, no values", {"-c="}, {}, 0, kReq, {I}, true, 0, "-c", "", "d2",
       true},
      {"no next, not required", {"x", "-c"}, {}, 1, 0, {U, O}, true, 1, "-c", "", "d2", false},
      {"no next, required", {"-c"}, {}, 1, kReqAll, {I}, false, 0, "-c", "", "d2", false},
      {"next empty, required", {"-c", ""}, {}, 1, kReq, {I, U}, false, 0, "-c", "", "d2", false},
      {"next empty, not required", {"-c", ""}, {}, 1, 0, {O, V}, true, 0, "-c", "", "d2", false},
      {"next unclaimed", {"--char", "x"}, {}, 1, 0, {O, V}, true, 0, "--char", "x", "d2", false},
      {"next looks like an option", {"-c", "-x"}, {}, 1, 0, {O, V}, true, 0, "-c", "-x", "d2",
       false},
      {"next already a value", {"-c", "x"}, {U, V}, 1, 0, {O, V}, true, 0, "-c", "x", "d2", false},
      {"next an option", {"-c", "-L"}, {U, O}, 1, 0, {I, O}, true, 0, "-c", "-L", "d2", false},
      {"next with a value", {"-c", "-n=2"}, {U, W}, 1, 0, {I, W}, true, 0, "-c", "-n=2", "d2",
       false},
      {"next incomplete", {"-c", "-n"}, {U, I}, 1, 0, {I, I}, true, 0, "-c", "-n", "d2", false},
      {"next positional", {"-c", "50"}, {U, P}, 1, kReq, {I, P}, true, 0, "-c", "50", "d2", false},
      {"a positional is overwritten", {"-c", "x"}, {P, U}, 1, 0, {O, V}, true, 0, "-c", "x", "d2",
       false},
      {"no match", {"c", "-cx", "--c", "-char"}, {}, 1, 0, {U, U, U, U}, false, -1, "", "def", "d2",
       false},
  });
}

TEST_F(ParamMatching, TwoValues) {
  CoreState.ParamMatchMode = 2;
  RunSearchCases({
      {"both present", {"-c", "a", "b"}, {}, 2, 0, {O, V, V}, true, 0, "-c", "a", "b", false},
      {"second missing", {"-c", "a"}, {}, 2, 0, {O, V}, true, 0, "-c", "a", "", false},
      {"second missing, all required", {"-c", "a"}, {}, 2, kReqAll, {I, V}, false, 0, "-c", "a", "",
       false},
      {"second missing, first required", {"-c", "a"}, {}, 2, kReq, {O, V}, true, 0, "-c", "a", "",
       false},
      {"second empty, all required", {"-c", "a", ""}, {}, 2, kReqAll, {I, V, U}, false, 0, "-c",
       "a", "", false},
      {"second claimed", {"-c", "a", "-L"}, {U, U, O}, 2, 0, {I, V, O}, true, 0, "-c", "a", "-L",
       false},
      {"none at all", {"-c"}, {}, 2, 0, {O}, true, 0, "-c", "", "", false},
      {"attached accepted takes nothing more", {"-c=x", "a", "b"}, {}, 2, 0, {W, U, U}, true, 0,
       "-c", "x", "d2", true},
      {"attached empty and required", {"-c=", "a", "b"}, {}, 2, kReqAll, {I, V, V}, true, 0, "-c",
       "a", "b", true},
  });
}

TEST_F(ParamMatching, FirstMatchWinsUnlessAllAreWanted) {
  CoreState.ParamMatchMode = 2;
  RunSearchCases({
      {"first wins", {"-c", "1", "-c", "2"}, {}, 1, 0, {O, V, U, U}, true, 0, "-c", "1", "d2",
       false},
      {"find all, last wins", {"-c", "1", "-c", "2"}, {}, 1, kAll, {O, V, O, V}, true, 2, "-c", "2",
       "d2", false},
      {"first wins although incomplete", {"-c", "", "-c", "v"}, {}, 1, kReq, {I, U, U, U}, false, 0,
       "-c", "", "d2", false},
      {"find all, a later match completes", {"-c", "", "-c", "v"}, {}, 1, kReq | kAll, {I, U, O, V},
       true, 2, "-c", "v", "d2", false},
      // A later match replaces the record whole: no attached value of an earlier one lingers.
      {"find all, plain after attached", {"-c=5", "-c"}, {}, 0, kAll, {W, O}, true, 1, "-c", "def",
       "d2", false},
      {"find all, attached after plain", {"-c", "-c=5"}, {}, 0, kAll, {O, W}, true, 1, "-c", "5",
       "d2", true},
  });
}

TEST_F(ParamMatching, EntryFlagsFollowTheOutcome) {
  CoreState.ParamMatchMode = 2;
  TParamStatusArray table = MakeTable({"-c=#", "-c=", "x", "-c"});
  table[0].IsPositional = true;
  TFindParamRec rec;
  FindParam(rec, table, "C", 0, 0, 1, 0, "", "");
  EXPECT_TRUE(table[0].IsOption && table[0].HasValue && table[0].ValueAttached);
  EXPECT_FALSE(table[0].IsPositional);

  FindParam(rec, table, "C", -1, 1, 1, kReq, "", "");
  EXPECT_EQ(table[1].Status, psIncomplete);
  EXPECT_TRUE(table[1].IsOption && table[1].ValueAttached);
  EXPECT_FALSE(table[1].HasValue);
  EXPECT_TRUE(table[2].HasValue);

  FindParam(rec, table, "C", -1, 3, 1, kReq, "", "");
  EXPECT_EQ(table[3].Status, psIncomplete);
  EXPECT_TRUE(table[3].IsOption);
  EXPECT_FALSE(table[3].HasValue || table[3].ValueAttached);
}

TEST_F(ParamMatching, AttachedValuesAreCutAt999Characters) {
  CoreState.ParamMatchMode = 2;
  const std::size_t lengths[] = {998, 999, 1000, 1500};
  for (std::size_t length : lengths) {
    TParamStatusArray table = MakeTable({"-c:" + std::string(length, 'v')});
    std::string target;
    TFindParamRec rec = FindTextParam(table, "C", target, 0, -1, 0);
    EXPECT_EQ(target.size(), std::min<std::size_t>(length, 999)) << length;
    EXPECT_EQ(rec.ParamText, "-c");
    EXPECT_EQ(table[0].Text.size(), length + 3);  // the argument itself stays whole
  }
}

// ---- Scopes -------------------------------------------------------------------

TEST_F(ParamMatching, ScopeToRange) {
  const struct {
    std::int32_t Position, Mode, Start, Last;
  } cases[] = {{-1, 0, -1, -1}, {5, 0, 5, -1}, {3, 1, -1, 3}, {-1, 1, -1, -1}};
  for (const auto& c : cases) {
    std::int32_t start = 99;
    std::int32_t last = 99;
    ParamScopeToRange(c.Position, c.Mode, start, last);
    EXPECT_EQ(start, c.Start) << c.Position << "/" << c.Mode;
    EXPECT_EQ(last, c.Last) << c.Position << "/" << c.Mode;
  }
}

TEST_F(ParamMatching, SearchesStayInsideTheirScope) {
  const struct {
    std::vector<std::string> Args;
    std::int32_t Position, Mode, ParamIndex;
  } cases[] = {
      {{"-a", "-b", "-a"}, -1, 0, 0}, {{"-a", "-b", "-a"}, 1, 0, 2}, {{"-a", "-b", "-a"}, 2, 0, 2},
      {{"-a", "-b", "-a"}, 3, 0, -1}, {{"-a", "-b", "-a"}, 1, 1, 0}, {{"x", "-a"}, 0, 1, -1},
      {{"x", "-a"}, -1, 1, 1},        {{"x", "-a"}, 9, 1, 1},        {{"x", "-a"}, -2, 1, -1},
      {{"-a"}, -1, 2, -1},  // no scope defined for other modes
  };
  for (const auto& c : cases) {
    TParamStatusArray table = MakeTable(c.Args);
    TFindParamRec rec = FindSwitchParam(table, "A", 0, c.Position, c.Mode);
    EXPECT_EQ(rec.ParamIndex, c.ParamIndex) << c.Position << "/" << c.Mode;
  }
  EXPECT_EQ(CoreState.DefinedAliases, "A");
}

TEST_F(ParamMatching, AValueMayComeFromJustOutsideTheScope) {
  CoreState.ParamMatchMode = 2;
  TParamStatusArray table = MakeTable({"-n", "3", "x"});
  std::int32_t count = 0;
  TFindParamRec rec = FindNumberParam(table, "N", count, 1, 0, 1000, 0, 1);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(StatusesOf(table), (std::vector<TParamStatus>{O, V, U}));

  // Only the end of the command line means there is no next argument.
  table = MakeTable({"x", "-n"});
  FindParam(rec, table, "N", 1, -1, 1, kReq, "", "");
  EXPECT_FALSE(rec.Found);
  EXPECT_EQ(table[1].Status, psIncomplete);
}

// ---- Defined aliases and the log of matches ----------------------------------------

TEST_F(ParamMatching, DefinedAliasesGrowOncePerAliasInUpperCase) {
  TParamStatusArray empty;
  const struct {
    std::string Aliases;
    std::string After;
  } steps[] = {
      {"  DEBUG DEBUG-MODE", "DEBUG DEBUG-MODE"},
      {"h help ? h2 help2 ??", "DEBUG DEBUG-MODE H HELP ? H2 HELP2 ??"},
      {"V VERBOSE BUILD H2 HELP2 ??", "DEBUG DEBUG-MODE H HELP ? H2 HELP2 ?? V VERBOSE BUILD"},
      {"", "DEBUG DEBUG-MODE H HELP ? H2 HELP2 ?? V VERBOSE BUILD"},
      {"debug-m  n,number;q",
       "DEBUG DEBUG-MODE H HELP ? H2 HELP2 ?? V VERBOSE BUILD DEBUG-M N,NUMBER;Q"},
  };
  for (const auto& s : steps) {
    FindSwitchParam(empty, s.Aliases, 0, -1, 0);  // registers even over an empty table
    EXPECT_EQ(CoreState.DefinedAliases, s.After) << s.Aliases;
  }
}

TEST_F(ParamMatching, FoundParamsLogsEveryMatchWhileAskedTo) {
  CoreState.ParamMatchMode = 2;
  TParamStatusArray table = MakeTable({"-n", "1", "-n=2", "-n"});
  TFindParamRec rec;
  FindParam(rec, table, "N", -1, -1, 1, kAll, "", "");
  EXPECT_TRUE(FoundParams.empty());

  CoreState.KeepFoundParams = true;
  table = MakeTable({"-n", "1", "-n=2", "-n"});
  FindParam(rec, table, "N", -1, -1, 1, kAll, "", "");
  ASSERT_EQ(FoundParams.size(), 3u);
  EXPECT_EQ(FoundParams[0].ParamIndex, 0);
  EXPECT_EQ(FoundParams[0].Value, "1");
  EXPECT_EQ(FoundParams[1].ParamIndex, 2);  // an accepted attached value is logged as well
  EXPECT_EQ(FoundParams[1].Value, "2");
  EXPECT_TRUE(FoundParams[1].ValueAttached);
  EXPECT_EQ(FoundParams[2].ParamIndex, 3);
  EXPECT_EQ(FoundParams[2].Value, "");
  EXPECT_FALSE(FoundParams[2].ValueAttached);
}

// ---- Entry points ---------------------------------------------------------------

TEST_F(ParamMatching, NumberOptionSpellingsAndValues) {
  CoreState.ParamMatchMode = 2;
  const struct {
    std::vector<std::string> Args;
    bool Found;
    std::int32_t Count;
    bool Adjusted;
  } cases[] = {
      {{"-n", "3"}, true, 3, false},      {{"-N=3"}, true, 3, false},
      {{"/n:3"}, true, 3, false},         {{"--number=3"}, true, 3, false},
      {{"/quantity=3"}, true, 3, false},  {{"-n", "5000"}, true, 1000, true},
      {{"-n", "0"}, true, 0, false},      {{"-n", "1"}, true, 1, true},
      {{"-n="}, true, 1, true},           {{"-n"}, true, 1, true},
      {{"-n", "abc"}, true, 1, true},     {{"-number=3"}, false, 1, true},
      {{"--n=3"}, false, 1, true},        {{"-n3"}, false, 1, true},
      {{"n=3"}, false, 1, true},          {{}, false, 1, true},
  };
  for (const auto& c : cases) {
    TParamStatusArray table = MakeTable(c.Args);
    std::int32_t count = -7;
    TFindParamRec rec = FindNumberParam(table, "N NUMBER QUANTITY", count, 1, 0, 1000, -1, 0);
    std::string shown = c.Args.empty() ? "(none)" : c.Args[0];
    EXPECT_EQ(rec.Found, c.Found) << shown;
    EXPECT_EQ(count, c.Count) << shown;
    EXPECT_EQ(rec.Value, std::to_string(c.Count)) << shown;
    EXPECT_EQ(rec.ValueAdjusted, c.Adjusted) << shown;
    if (!c.Found && !table.empty()) {
      EXPECT_EQ(table[0].Status, psUnclaimed) << shown;
    }
  }
}

TEST_F(ParamMatching, NumberOptionBoundsAreWidenedWithTheirSign) {
  TParamStatusArray table = MakeTable({"-n", "3"});
  std::int32_t count = 0;
  TFindParamRec rec = FindNumberParam(table, "N", count, 0, -5, -1, -1, 0);
  EXPECT_EQ(count, -5);  // 3 is below the minimum read as unsigned
  EXPECT_EQ(rec.Value, "-5");
  EXPECT_TRUE(rec.ValueAdjusted);

  table = MakeTable({"-n", "4294967295"});
  rec = FindNumberParam(table, "N", count, 0, 0, -1, -1, 0);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(rec.Value, "-1");
  EXPECT_FALSE(rec.ValueAdjusted);
}

TEST_F(ParamMatching, TextOption) {
  CoreState.ParamMatchMode = 2;
  TParamStatusArray table = MakeTable({"-c=#"});
  std::string target = "old";
  TFindParamRec rec = FindTextParam(table, "C CHAR", target, pfRequireAllValues, -1, 0);
  EXPECT_TRUE(rec.Found && rec.ValueAttached);
  EXPECT_EQ(target, "#");
  EXPECT_EQ(rec.ParamText, "-c");
  EXPECT_EQ(table[0].Status, psOptionWithValue);

  table = MakeTable({"-c"});
  rec = FindTextParam(table, "C CHAR", target, pfRequireAllValues, -1, 0);
  EXPECT_FALSE(rec.Found);
  EXPECT_EQ(target, "");
  EXPECT_EQ(table[0].Status, psIncomplete);

  table = MakeTable({"x"});
  target = "keep";
  FindTextParam(table, "C", target, 0, -1, 0);
  EXPECT_EQ(target, "");
  target = "keep";
  rec = FindTextParam(table, "C", target, pfKeepDefault, -1, 0);
  EXPECT_EQ(target, "keep");
  EXPECT_EQ(rec.Value, "keep");

  // -n -L with L searched first: the value is reported, the option incomplete.
  table = MakeTable({"-n", "-L"});
  FindSwitchParam(table, "L LEN LENGTH", 0, -1, 0);
  rec = FindTextParam(table, "N NUMBER QUANTITY", target, 0, -1, 0);
  EXPECT_TRUE(rec.Found);
  EXPECT_EQ(target, "-L");
  EXPECT_EQ(StatusesOf(table), (std::vector<TParamStatus>{I, O}));
}

TEST_F(ParamMatching, FlagOptionTakesTheFollowingWord) {
  CoreState.ParamMatchMode = 2;
  TParamStatusArray table = MakeTable({"--error-delay", "word"});
  bool flag = false;
  TFindParamRec rec = FindFlagParam(table, "  ERROR-DELAY", flag, -1, 0);
  EXPECT_TRUE(flag);
  EXPECT_EQ(rec.Value, "word");
  EXPECT_EQ(StatusesOf(table), (std::vector<TParamStatus>{O, V}));

  table = MakeTable({"word"});
  FindFlagParam(table, "ERROR-DELAY", flag, -1, 0);
  EXPECT_FALSE(flag);
}

}  // namespace

// Arguments that start with neither "/" nor "-" are passed over quickly, but
// never when a bare symbol may be typed alone.
TEST_F(ParamMatching, BareSymbolsStillMatchWithoutAPrefix) {
  for (std::int32_t mode : {1, 3}) {
    CoreState.ParamMatchMode = mode;
    TParamStatusArray table = MakeTable({"x", "~"});
    EXPECT_TRUE(FindSwitchParam(table, "T ~", 0, -1, 0).Found) << mode;
    EXPECT_EQ(table[1].Status, psOption);
  }
  CoreState.ParamMatchMode = 2;
  TParamStatusArray table = MakeTable({"~"});
  EXPECT_FALSE(FindSwitchParam(table, "T ~", 0, -1, 0).Found);
}
