#include "core/console/core_start.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

using namespace corvane;

TEST(QuoteIfSpaced, QuotesOnlyEmptyTextsAndTextsWithASpace) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"", "\"\""},
      {"abc", "abc"},
      {"two words", "\"two words\""},
      {" ", "\" \""},
      {"tab\there", "tab\there"},
      {"say \"hi\" now", "\"say \"hi\" now\""},
      {"/opt/My Tools/", "\"/opt/My Tools/\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteIfSpaced(c.in), c.out) << c.in;
}

TEST(CoreInitialize, HoldsTheExecutableDirectoryQuotedWhenSpaced) {
  const struct {
    const char* exe;
    const char* dir;
  } cases[] = {
      {"/opt/tools/Linewright", "/opt/tools/"},
      {"/opt/My Tools/Linewright", "\"/opt/My Tools/\""},
      {"", "\"\""},
  };
  for (const auto& c : cases) {
    TCaptureScope scope({}, c.exe);
    EXPECT_EQ(ExePath, c.dir) << c.exe;
  }
}

TEST(CoreInitialize, BuildsTheTableAndNamesTheValidationRecords) {
  TCaptureScope scope({"=", "", "two words"});
  ASSERT_EQ(ParamStatus.size(), 3u);
  EXPECT_EQ(ParamStatus[1].Text, "");
  EXPECT_EQ(ParamStatus[2].Text, "two words");
  for (const TParamStatusRec& entry : ParamStatus) {
    EXPECT_EQ(entry.Status, psUnclaimed);
    EXPECT_FALSE(entry.IsOption || entry.HasValue || entry.ValueAttached || entry.IsPositional);
  }
  EXPECT_TRUE(FoundParams.empty());
  EXPECT_EQ(CustomValidation.RecordName, "Custom Syntax Validation Record");
  EXPECT_EQ(DefaultValidation.RecordName, "Default Syntax Validation Record");
  EXPECT_TRUE(CustomValidation.IsValid);
  EXPECT_FALSE(CustomValidation.Validated);
  EXPECT_EQ(ExitCode, 0);
}

TEST(CoreRestoreDefaults, BringsBackEveryStartUpValue) {
  TCaptureScope scope({"x"});
  CoreState.ParamMatchMode = 3;
  CoreState.BannerShown = true;
  CoreState.DefinedAliases = "H HELP";
  HelpParam.Found = true;
  ExitCode = 65;
  AppInfo.BaseName = "Tool";
  CoreRestoreDefaults();
  EXPECT_EQ(CoreState.ParamMatchMode, 0);
  EXPECT_FALSE(CoreState.BannerShown);
  EXPECT_TRUE(CoreState.BannerEnabled);
  EXPECT_TRUE(CoreState.DoubleDashForLongNames);
  EXPECT_EQ(CoreState.DefinedAliases, "");
  EXPECT_FALSE(HelpParam.Found);
  EXPECT_EQ(HelpParam.ParamIndex, -1);
  EXPECT_EQ(ExitCode, 0);
  EXPECT_EQ(AppInfo.BaseName, "");
}
