#include "corvane/options.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/console/core_start.h"

using namespace corvane;

namespace {

constexpr std::uint64_t kMax = 18446744073709551615ull;

class NumberConversion : public ::testing::Test {
 protected:
  void SetUp() override { CoreRestoreDefaults(); }
  void TearDown() override { CoreRestoreDefaults(); }
};

struct TDefCase {
  std::string Text;
  std::uint64_t Default;
  std::uint64_t Expected;
};

TEST_F(NumberConversion, ConvertsOrFallsBackToTheDefault) {
  const TDefCase cases[] = {
      // forms that convert
      {"50", 7, 50},
      {"1,000", 7, 1000},
      {"1,2,3", 7, 123},
      {"2.9", 7, 2},
      {"1.2.3", 7, 1},
      {"5.xyz", 7, 5},
      {"0", 7, 0},
      {"+7", 0, 7},
      {" \t 42", 0, 42},
      {"0x1F", 0, 31},
      {"0X1f", 0, 31},
      {"x1f", 0, 31},
      {"X1F", 0, 31},
      {"$10", 0, 16},
      {"$ff", 0, 255},
      {"+$10", 0, 16},
      {"$,F,F", 0, 255},  // commas go before the prefix is read
      {"0,x1F", 0, 31},
      {"%101", 0, 5},
      {"&17", 0, 15},
      {"18446744073709551615", 0, kMax},
      {"0xFFFFFFFFFFFFFFFF", 0, kMax},
      {"%" + std::string(64, '1'), 0, kMax},
      // forms that fail
      {"", 7, 7},
      {"-5", 7, 7},
      {"-0", 7, 7},
      {"abc", 7, 7},
      {"5x", 7, 7},
      {"42 ", 7, 7},
      {"4 2", 7, 7},
      {"+ 4", 7, 7},
      {"++7", 7, 7},
      {"   ", 7, 7},
      {".5", 7, 7},
      {",,,", 7, 7},
      {"$", 7, 7},
      {"0x", 7, 7},
      {"%", 7, 7},
      {"&", 7, 7},
      {"%2", 7, 7},
      {"&8", 7, 7},
      {"0x1G", 7, 7},
      {"1e3", 7, 7},
      {std::string("4\0", 2), 7, 7},
      {"18446744073709551616", 7, 7},
      {"99999999999999999999", 7, 7},
      {"0x10000000000000000", 7, 7},
      {"%1" + std::string(64, '0'), 7, 7},
  };
  for (const TDefCase& c : cases) {
    EXPECT_EQ(StrToNumberDef(c.Text, c.Default), c.Expected) << '"' << c.Text << '"';
  }
}

// The limit counts the text that is converted: what is left before the "."
// once the commas are gone.
TEST_F(NumberConversion, TextsOf256CharactersOrMoreFail) {
  const TDefCase cases[] = {
      {std::string(255, '0'), 9, 0},
      {std::string(254, '0') + "1", 9, 1},
      {std::string(256, '0'), 9, 9},
      {std::string(255, '0') + "1", 9, 9},
      {std::string(200, '0') + "18446744073709551615", 9, kMax},
      {"1" + std::string(300, ','), 9, 1},
      {std::string(254, '0') + "1." + std::string(300, 'x'), 9, 1},
      {std::string(255, ' ') + "1", 9, 9},
  };
  for (const TDefCase& c : cases) {
    EXPECT_EQ(StrToNumberDef(c.Text, c.Default), c.Expected) << "length " << c.Text.size();
  }
}

TEST_F(NumberConversion, AdjustedExactlyWhenTheResultIsTheDefault) {
  CoreState.ParamValueAdjusted = true;
  EXPECT_EQ(StrToNumberDef("5", 1), 5u);
  EXPECT_FALSE(CoreState.ParamValueAdjusted);
  EXPECT_EQ(StrToNumberDef("abc", 1), 1u);
  EXPECT_TRUE(CoreState.ParamValueAdjusted);
  EXPECT_EQ(StrToNumberDef("0", 3), 0u);
  EXPECT_FALSE(CoreState.ParamValueAdjusted);
  // A text that gives exactly the default counts as adjusted too.
  EXPECT_EQ(StrToNumberDef("1", 1), 1u);
  EXPECT_TRUE(CoreState.ParamValueAdjusted);
}

struct TRangeCase {
  std::string Text;
  std::uint64_t Default, Min, Max, Expected;
  bool Adjusted;
};

TEST_F(NumberConversion, RangeClampsMinimumFirstAndMarksTheChange) {
  const std::uint64_t minusFive = static_cast<std::uint64_t>(std::int64_t{-5});
  const TRangeCase cases[] = {
      {"500", 1, 0, 1000, 500, false},
      {"5000", 1, 0, 1000, 1000, true},
      {"1000", 1, 0, 1000, 1000, false},
      {"abc", 1, 0, 1000, 1, true},
      {"1", 1, 0, 1000, 1, true},
      {"0", 5, 3, 10, 3, true},
      {"7", 0, 10, 5, 5, true},        // minimum above maximum: the maximum wins
      {"3", 0, minusFive, kMax, minusFive, true},  // unsigned comparison
      {"18446744073709551615", 0, 0, kMax, kMax, false},
  };
  for (const TRangeCase& c : cases) {
    CoreState.ParamValueAdjusted = !c.Adjusted;
    EXPECT_EQ(StrToNumberRange(c.Text, c.Default, c.Min, c.Max), c.Expected) << c.Text;
    EXPECT_EQ(CoreState.ParamValueAdjusted, c.Adjusted) << c.Text;
  }
}

}  // namespace
