#include "corvane/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/console/core_start.h"

using namespace corvane;

namespace {

TParamStatusArray MakeSlotTable(const std::vector<std::string>& args) {
  TParamStatusArray table(args.size());
  for (std::size_t k = 0; k < args.size(); ++k) table[k].Text = args[k];
  return table;
}

class ParamSlots : public ::testing::Test {
 protected:
  void SetUp() override { CoreRestoreDefaults(); }
  void TearDown() override { CoreRestoreDefaults(); }
};

TEST_F(ParamSlots, CharSlotTakesTheFirstByteAndTextSlotTheWholeText) {
  const struct {
    std::string Arg;
    char Expected;
  } cases[] = {{"=", '='}, {"abc", 'a'}, {"\xE9x", '\xE9'}, {"-c", '-'}, {std::string("a\0b", 3), 'a'}};
  for (const auto& c : cases) {
    for (bool asText : {false, true}) {
      TParamStatusArray table = MakeSlotTable({c.Arg, "50"});
      char target = '?';
      std::string text = "?";
      if (asText) {
        GetSlotText(table, text, 1);
        EXPECT_EQ(text, c.Arg);
      } else {
        GetSlotChar(table, target, 1);
        EXPECT_EQ(target, c.Expected) << c.Arg;
      }
      EXPECT_EQ(table[0].Status, psPositional);
      EXPECT_TRUE(table[0].IsPositional);
      EXPECT_EQ(table[0].Text, c.Arg);
      EXPECT_EQ(table[1].Status, psUnclaimed);
    }
  }
}

TEST_F(ParamSlots, NumberSlotKeepsTheLow32BitsAsSigned) {
  const struct {
    std::string Arg;
    std::int32_t Expected;
    bool Adjusted;
  } cases[] = {
      {"50", 50, false},        {"1,024", 1024, false}, {"12.9", 12, false},
      {"0x20", 32, false},      {"$FF", 255, false},    {"-5", 0, true},
      {"abc", 0, true},         {"5x", 0, true},        {"0", 0, true},
      {"4294967297", 1, false}, {"4294967295", -1, false},
  };
  for (const auto& c : cases) {
    TParamStatusArray table = MakeSlotTable({"=", c.Arg});
    std::int32_t target = 77;
    GetSlotNumber(table, target, 2);
    EXPECT_EQ(target, c.Expected) << c.Arg;
    EXPECT_EQ(CoreState.ParamValueAdjusted, c.Adjusted) << c.Arg;
    EXPECT_EQ(table[1].Status, psPositional) << c.Arg;
    EXPECT_TRUE(table[1].IsPositional);
  }
}

TEST_F(ParamSlots, SlotsNotGivenChangeNothing) {
  const struct {
    std::vector<std::string> Args;
    std::int32_t Slot;
  } cases[] = {
      {{"="}, 2},          // beyond the last argument
      {{"", "50"}, 1},     // empty argument
      {{"=", "50"}, 0},
      {{"=", "50"}, -1},
      {{}, 1},
  };
  for (const auto& c : cases) {
    TParamStatusArray table = MakeSlotTable(c.Args);
    char ch = '?';
    std::int32_t number = 77;
    std::string text = "kept";
    GetSlotChar(table, ch, c.Slot);
    GetSlotNumber(table, number, c.Slot);
    GetSlotText(table, text, c.Slot);
    EXPECT_EQ(ch, '?') << "slot " << c.Slot;
    EXPECT_EQ(number, 77) << "slot " << c.Slot;
    EXPECT_EQ(text, "kept") << "slot " << c.Slot;
    for (const TParamStatusRec& e : table) {
      EXPECT_EQ(e.Status, psUnclaimed);
      EXPECT_FALSE(e.IsPositional);
    }
  }
}

TEST_F(ParamSlots, ReadingASlotOverwritesAnOptionMarkButKeepsItsFlags) {
  TParamStatusArray table = MakeSlotTable({"-n=3"});
  table[0].Status = psOptionWithValue;
  table[0].IsOption = true;
  table[0].HasValue = true;
  std::int32_t number = 77;
  GetSlotNumber(table, number, 1);
  EXPECT_EQ(number, 0);
  EXPECT_EQ(table[0].Status, psPositional);
  EXPECT_TRUE(table[0].IsPositional);
  EXPECT_TRUE(table[0].IsOption);
  EXPECT_TRUE(table[0].HasValue);
  EXPECT_EQ(table[0].Text, "-n=3");
}

}  // namespace
