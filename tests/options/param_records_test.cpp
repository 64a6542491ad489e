#include "core/options/param_records.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(ParamRecords, ResetGivesFreshEntries) {
  TParamStatusArray table(2);
  table[0].Status = psOption;
  table[0].Text = "-x";
  ResetParamStatus(table, 3);
  ASSERT_EQ(table.size(), 3u);
  for (const TParamStatusRec& e : table) {
    EXPECT_EQ(e.Status, psUnclaimed);
    EXPECT_EQ(e.Text, "");
  }
  ResetParamStatus(table, -1);
  EXPECT_TRUE(table.empty());

  TParamRecArray records(1);
  records[0].Found = true;
  ResetParamRecArray(records, 2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_FALSE(records[0].Found);
  EXPECT_EQ(records[0].ParamIndex, -1);
  EXPECT_EQ(records[0].NextIndex, -1);
}

TEST(ParamRecords, InitParamStatisticsClearsAllAndKeepsTheNameWhenNoneGiven) {
  TParamStatisticsRec rec;
  InitParamStatistics(rec, "First");
  rec.IsValid = false;
  rec.Validated = true;
  rec.NoKnownOption = true;
  rec.InvalidCount = 3;
  rec.InvalidList = "a b c ";
  rec.KnownSpellings = "/N -N ";
  rec.LastIndex = 7;
  InitParamStatistics(rec, "");
  EXPECT_EQ(rec.RecordName, "First");
  EXPECT_TRUE(rec.IsValid);
  EXPECT_FALSE(rec.Validated);
  EXPECT_FALSE(rec.NoKnownOption);
  EXPECT_EQ(rec.InvalidCount, 0);
  EXPECT_EQ(rec.InvalidList, "");
  EXPECT_EQ(rec.KnownSpellings, "");
  EXPECT_EQ(rec.LastIndex, 0);
  InitParamStatistics(rec, "Second");
  EXPECT_EQ(rec.RecordName, "Second");
}
