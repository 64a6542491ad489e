#include "core/options/syntax_validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/console/core_start.h"
#include "core/options/param_records.h"
#include "tests/support/expected_rules.h"

using namespace corvane;

namespace {

using TArgs = std::vector<std::pair<std::string, TParamStatus>>;

TParamStatusArray MakeTable(const TArgs& args) {
  TParamStatusArray table(args.size());
  for (std::size_t k = 0; k < args.size(); ++k) {
    table[k].Text = args[k].first;
    table[k].Status = args[k].second;
  }
  return table;
}

// The aliases the utility's option table leaves in DefinedAliases: each
// once, in the order the options are searched.
std::string DefinedAliasesOfTheTable() {
  std::string all = " ";
  for (const expected::TOptionRuleRec& option : expected::kOptions) {
    std::istringstream words{std::string(option.Aliases)};
    for (std::string alias; words >> alias;) {
      if (all.find(" " + alias + " ") == std::string::npos) all += alias + " ";
    }
  }
  return all.substr(1, all.size() - 2);
}
const std::string kDefinedAliases = DefinedAliasesOfTheTable();

class SyntaxValidation : public ::testing::Test {
 protected:
  void SetUp() override {
    CoreRestoreDefaults();
    InitParamStatistics(CustomValidation, "Custom Syntax Validation Record");
    InitParamStatistics(DefaultValidation, "Default Syntax Validation Record");
  }
  void TearDown() override { CoreRestoreDefaults(); }

  static TParamStatisticsRec Collect(const TArgs& args,
                                     const std::string& aliases = kDefinedAliases,
                                     bool checkKnown = true, std::int32_t first = -1,
                                     std::int32_t last = -1) {
    TParamStatisticsRec rec;
    CollectParamStatistics(rec, MakeTable(args), aliases, checkKnown, first, last);
    return rec;
  }
};

TEST_F(SyntaxValidation, ListsQuoteEmptyAndSpacedTextsAndEndInOneBlank) {
  TParamStatisticsRec rec =
      Collect({{"abc", psUnclaimed}, {"two words", psUnclaimed}, {"", psUnclaimed}});
  EXPECT_EQ(rec.AllList, "abc \"two words\" \"\" ");
  EXPECT_EQ(rec.InvalidList, "abc \"two words\" \"\" ");
  EXPECT_EQ(rec.NonEmptyList, "abc \"two words\" ");
  EXPECT_EQ(rec.InvalidCount, 3);
  EXPECT_EQ(rec.NonEmptyCount, 2);
}

TEST_F(SyntaxValidation, EachStatusGoesToItsOwnList) {
  TParamStatisticsRec rec = Collect({{"x", psPositional},
                                     {"10", psPositional},
                                     {"-n", psOption},
                                     {"3", psOptionValue},
                                     {"-c=#", psOptionWithValue},
                                     {"-l", psIncomplete},
                                     {"--bogus", psUnclaimed}});
  const struct {
    std::uint16_t count;
    const std::string& list;
    std::uint16_t wantCount;
    const char* wantList;
  } lists[] = {
      {rec.AllCount, rec.AllList, 7, "x 10 -n 3 -c=# -l --bogus "},
      {rec.ShownCount, rec.ShownList, 7, "x 10 -n 3 -c=# -l --bogus "},
      {rec.OptionCount, rec.OptionList, 1, "-n "},
      {rec.ValueCount, rec.ValueList, 1, "3 "},
      {rec.OtherCount, rec.OtherList, 5, "x 10 -c=# -l --bogus "},
      {rec.AttachedCount, rec.AttachedList, 1, "-c=# "},
      {rec.IncompleteCount, rec.IncompleteList, 1, "-l "},
      {rec.InvalidCount, rec.InvalidList, 1, "--bogus "},
      {rec.PositionalCount, rec.PositionalList, 2, "x 10 "},
      {rec.OutOfRangeCount, rec.OutOfRangeList, 0, ""},
  };
  for (const auto& l : lists) {
    EXPECT_EQ(l.count, l.wantCount) << l.wantList;
    EXPECT_EQ(l.list, l.wantList);
  }
  EXPECT_EQ(rec.LastIndex, 6);
  EXPECT_FALSE(rec.IsValid);
}

TEST_F(SyntaxValidation, DistinctListSkipsTextsFoundAnywhereInsideItIgnoringCase) {
  const struct {
    TArgs args;
    const char* list;
  } cases[] = {
      {{{"x", psPositional}, {"10", psPositional}, {"-n", psOption}, {"1", psOptionValue}},
       "x 10 -n "},
      {{{"ABC", psUnclaimed}, {"b", psUnclaimed}, {"Bc", psUnclaimed}}, "ABC "},
      // The list's quotes and blanks are searched too.
      {{{"a b", psUnclaimed}, {"b\"", psUnclaimed}, {" ", psUnclaimed}}, "\"a b\" "},
      {{{"", psUnclaimed}, {"", psUnclaimed}, {"x", psUnclaimed}}, "\"\" x "},
  };
  for (const auto& c : cases) EXPECT_EQ(Collect(c.args).DistinctList, c.list);
  EXPECT_EQ(Collect(cases[0].args).DistinctCount, 3);
}

TEST_F(SyntaxValidation, DistinctListMatchesTheLiteralRuleOnRandomArguments) {
  auto lower = [](std::string s) {
    for (char& c : s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return s;
  };
  std::mt19937 rng(7);
  const std::string alphabet = "aAb1 \"";
  for (int round = 0; round < 300; ++round) {
    TArgs args;
    std::string want;
    std::uint16_t wantCount = 0;
    for (int n = static_cast<int>(rng() % 25); n > 0; --n) {
      std::string text;
      for (int len = static_cast<int>(rng() % 4); len > 0; --len) text += alphabet[rng() % 6];
      args.emplace_back(text, psUnclaimed);
      const std::string shown = text.empty() ? "\"\"" : text;
      if (lower(want).find(lower(shown)) == std::string::npos) {
        want += QuoteIfSpaced(shown) + " ";
        ++wantCount;
      }
    }
    TParamStatisticsRec rec = Collect(args);
    ASSERT_EQ(rec.DistinctList, want);
    ASSERT_EQ(rec.DistinctCount, wantCount);
  }
}

TEST_F(SyntaxValidation, KnownOptionCheck) {
  const struct {
    TArgs args;
    std::string aliases;
    bool checkKnown;
    const char* given;
    bool noKnown, valid;
  } cases[] = {
      // -n=3 is not split at "=", so no known spelling was given.
      {{{"=", psPositional}, {"50", psPositional}, {"-n=3", psOptionWithValue}},
       kDefinedAliases,
       true,
       "",
       true,
       false},
      {{{"z", psPositional}, {"100", psPositional}, {"-c:#", psOptionWithValue}},
       kDefinedAliases,
       true,
       "-c ",
       false,
       true},
      {{{"/number", psOption}, {"7", psOptionValue}, {"-H", psOption}},
       kDefinedAliases,
       true,
       "/number -H ",
       false,
       true},
      {{{"-number", psOption}}, kDefinedAliases, true, "", true, false},
      {{{"-n=3", psOptionWithValue}}, kDefinedAliases, false, "", false, true},
      {{{"-n=3", psOptionWithValue}}, "", true, "", false, true},  // no spellings to check against
      {{}, kDefinedAliases, true, "", true, false},
  };
  for (const auto& c : cases) {
    TParamStatisticsRec rec = Collect(c.args, c.aliases, c.checkKnown);
    EXPECT_TRUE(rec.Validated);
    EXPECT_EQ(rec.KnownOptionsGiven, c.given);
    EXPECT_EQ(rec.NoKnownOption, c.noKnown) << c.given;
    EXPECT_EQ(rec.IsValid, c.valid) << c.given;
  }
}

TEST_F(SyntaxValidation, RangesCountTheRestOutOfRangeAndKeepPositionals) {
  const TArgs args = {{"x", psPositional},
                      {"10", psPositional},
                      {"--bogus", psUnclaimed},
                      {"-n", psOption},
                      {"3", psOptionValue}};
  const struct {
    std::int32_t first, last;
    std::uint16_t wantFirst, wantLast;
    const char* all;
    const char* outOfRange;
    bool valid;
  } cases[] = {
      {2, -1, 2, 4, "--bogus -n 3 ", "x 10 ", false},
      {-5, 1, 0, 1, "x 10 ", "--bogus -n 3 ", true},
      {1, 1, 1, 1, "10 ", "x --bogus -n 3 ", true},
      {3, 99, 3, 4, "-n 3 ", "x 10 --bogus ", false},  // first index 3 > two validated
      {9, -1, 9, 4, "", "x 10 --bogus -n 3 ", false},
  };
  for (const auto& c : cases) {
    TParamStatisticsRec rec = Collect(args, kDefinedAliases, false, c.first, c.last);
    EXPECT_EQ(rec.FirstIndex, c.wantFirst);
    EXPECT_EQ(rec.LastIndex, c.wantLast);
    EXPECT_EQ(rec.AllList, c.all);
    EXPECT_EQ(rec.OutOfRangeList, c.outOfRange);
    EXPECT_EQ(rec.PositionalList, "x 10 ");
    EXPECT_EQ(rec.PositionalCount, 2);
    EXPECT_EQ(rec.IsValid, c.valid) << c.first;
  }
}

TEST_F(SyntaxValidation, SecondCallRefillsTheRecordAndLeavesTheDefaultRecordAlone) {
  CoreState.DefinedAliases = kDefinedAliases;
  ValidateSyntax(CustomValidation, MakeTable({{"x", psPositional}, {"--bogus", psUnclaimed}}),
                 CoreState.DefinedAliases, true, -1, -1);
  ASSERT_TRUE(DefaultValidation.Validated);
  EXPECT_EQ(DefaultValidation.InvalidList, "--bogus ");
  const TParamStatisticsRec defaultAfterFirst = DefaultValidation;

  ValidateSyntax(CustomValidation,
                 MakeTable({{"y", psPositional}, {"-n", psOption}, {"2", psOptionValue}}),
                 CoreState.DefinedAliases, true, 1, -1);
  EXPECT_EQ(CustomValidation.RecordName, "Custom Syntax Validation Record");
  EXPECT_EQ(CustomValidation.AllList, "-n 2 ");
  EXPECT_EQ(CustomValidation.InvalidList, "");
  EXPECT_EQ(CustomValidation.InvalidCount, 0);
  EXPECT_TRUE(CustomValidation.IsValid);
  EXPECT_EQ(DefaultValidation.RecordName, "Default Syntax Validation Record");
  EXPECT_EQ(DefaultValidation.AllList, defaultAfterFirst.AllList);
  EXPECT_EQ(DefaultValidation.InvalidList, "--bogus ");
}

TEST_F(SyntaxValidation, EssentialAliasesListTheDefinedInfoAliasesOnce) {
  CoreState.DefinedAliases = kDefinedAliases;
  for (int pass = 0; pass < 3; ++pass) {
    // Always from DefinedAliases, whatever list the spellings are checked against.
    ValidateSyntax(CustomValidation, MakeTable({{"x", psPositional}}),
                   pass == 2 ? "N" : kDefinedAliases, true, -1, -1);
    EXPECT_EQ(CoreState.EssentialAliases, expected::kEssentialAliases) << pass;
  }
  const struct {
    const char *out, *all, *standard, *want;
  } cases[] = {
      {"", "HELP2", "HELP", ""},  // "HELP " does not occur in "HELP2 "
      {"-H", "H HELP", "h help", "-H --HELP"},
      {" \t-X \r\n", "", "", "-X"},
  };
  for (const auto& c : cases) {
    std::string out = c.out;
    BuildInfoAliases(out, c.all, c.standard);
    EXPECT_EQ(out, c.want);
  }
}

TEST(BuildOptionSpellings, PrefixesAndSuffixesByModeAndDashSetting) {
  const struct {
    const char* aliases;
    std::int32_t mode;
    bool doubleDash;
    const char* want;
  } cases[] = {
      {"N NUMBER", 0, true, "/N -N /NUMBER --NUMBER "},
      {"N NUMBER", 0, false, "/N -N /NUMBER -NUMBER --NUMBER "},
      {"N LEN", 2, true, "/N -N /N: -N: /N= -N= /LEN --LEN /LEN: --LEN: /LEN= --LEN= "},
      {"~ ?", 1, true, "~ /~ -~ /? -? "},
      {"~ ?", 3, true, "~ /~ -~ ~: /~: -~: ~= /~= -~= /? -? /?: -?: /?= -?= "},
      {"~", 0, true, "/~ -~ "},
      {"LEN", 3, false, "/LEN -LEN --LEN /LEN: -LEN: --LEN: /LEN= -LEN= --LEN= "},
      {" ,n;;Number, ", 0, true, "/n -n /Number --Number "},
      {"X-N N", 0, true, "/X-N --X-N /N "},  // "-N " is already inside "/X-N "
  };
  for (const auto& c : cases) {
    CoreState.DoubleDashForLongNames = c.doubleDash;
    EXPECT_EQ(BuildOptionSpellings(c.aliases, c.mode), c.want) << c.aliases << " " << c.mode;
  }
  CoreState.DoubleDashForLongNames = true;
}

// The spellings rule stated plainly: each piece is kept unless the text so
// far holds it anywhere.
std::string PlainSpellings(const std::string& aliases, std::int32_t mode, bool doubleDash) {
  std::string result;
  std::size_t at = 0;
  while (true) {
    at = aliases.find_first_not_of(" ,;", at);
    if (at == std::string::npos) break;
    const std::size_t end = std::min(aliases.find_first_of(" ,;", at), aliases.size());
    const std::string alias = aliases.substr(at, end - at);
    at = end;
    std::vector<std::string> prefixes = {"/", "-"};
    if (alias.size() > 1) {
      prefixes = doubleDash ? std::vector<std::string>{"/", "--"}
                            : std::vector<std::string>{"/", "-", "--"};
    } else if ((mode == 1 || mode == 3) &&
               std::string("!#$%*+-.@_~").find(alias[0]) != std::string::npos) {
      prefixes = {"", "/", "-"};
    }
    const std::vector<std::string> suffixes =
        mode >= 2 ? std::vector<std::string>{"", ":", "="} : std::vector<std::string>{""};
    for (const std::string& suffix : suffixes) {
      for (const std::string& prefix : prefixes) {
        const std::string piece = prefix + alias + suffix + " ";
        if (result.find(piece) == std::string::npos) result += piece;
      }
    }
  }
  return result;
}

// Aliases that hold dashes, slashes and colons make spellings end one
// another in every way; the quick check must agree with the plain search.
TEST(BuildOptionSpellings, MatchesThePlainRuleForOverlappingAliases) {
  const char* const parts[] = {"N", "-N", "X-N", "/N", "--N", "N:", "=N",     "LEN", "EN",   "LEN=",
                               "~", "-",  "/",   ":",  "?",   "n",  "NUMBER", "BER", "-BER", "A:B"};
  std::mt19937 random(1208);
  for (int round = 0; round < 2000; ++round) {
    std::string aliases;
    for (int n = 1 + static_cast<int>(random() % 8); n > 0; --n) {
      aliases += parts[random() % std::size(parts)];
      aliases += " ,;"[random() % 3];
    }
    const std::int32_t mode = static_cast<std::int32_t>(random() % 4);
    const bool doubleDash = random() % 2 == 0;
    CoreState.DoubleDashForLongNames = doubleDash;
    ASSERT_EQ(BuildOptionSpellings(aliases, mode), PlainSpellings(aliases, mode, doubleDash))
        << "\"" << aliases << "\" mode " << mode << " double dash " << doubleDash;
  }
  CoreState.DoubleDashForLongNames = true;
}

TEST_F(SyntaxValidation, CountersAndIndexesSaturateInsteadOfWrapping) {
  std::uint16_t counter = 65534;
  std::string list;
  for (const char* text : {"a", "", "b c"}) AddToParamList(counter, list, text);
  EXPECT_EQ(counter, 65535);
  EXPECT_EQ(list, "a \"\" \"b c\" ");

  TParamStatusArray table(65538);
  for (TParamStatusRec& arg : table) arg.Text = "a";
  TParamStatisticsRec rec;
  CollectParamStatistics(rec, table, kDefinedAliases, true, -1, -1);
  EXPECT_EQ(rec.InvalidCount, 65535);
  EXPECT_EQ(rec.InvalidList.size(), 65538u * 2);
  EXPECT_EQ(rec.DistinctCount, 1);
  EXPECT_EQ(rec.LastIndex, 65535);
  EXPECT_FALSE(rec.IsValid);

  // The first-index rule compares with the real number validated, not AllCount.
  for (TParamStatusRec& arg : table) arg.Status = psPositional;
  table.resize(140000, table.front());
  CollectParamStatistics(rec, table, kDefinedAliases, false, 70000, -1);
  EXPECT_EQ(rec.FirstIndex, 65535);
  EXPECT_EQ(rec.AllCount, 65535);
  EXPECT_EQ(rec.PositionalList.size(), 140000u * 2);
  EXPECT_TRUE(rec.IsValid);
}

TEST_F(SyntaxValidation, ManyDistinctArgumentsStayFast) {
  TParamStatusArray table(70000);
  for (std::size_t k = 0; k < table.size(); ++k) {
    table[k].Text = "a";
    table[k].Text += std::to_string(k + 1);
  }
  TParamStatisticsRec rec;
  auto start = std::chrono::steady_clock::now();
  CollectParamStatistics(rec, table, kDefinedAliases, true, -1, -1);
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(rec.DistinctCount, 65535);
  EXPECT_EQ(rec.InvalidCount, 65535);
  EXPECT_EQ(rec.DistinctList, rec.AllList);  // no "aK" lies inside an earlier "aJ "
  // Loose enough for unoptimised and sanitised builds; searching the whole
  // list for every argument takes several seconds even when optimised.
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}

}  // namespace
