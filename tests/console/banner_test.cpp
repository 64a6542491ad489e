#include "core/console/banner.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "core/console/core_start.h"
#include "core/console/text_stream.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

namespace {

// English names, or (other) names, separators and bytes unlike English.
TFormatSettings Settings(bool other) {
  static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  TFormatSettings settings;
  settings.Loaded = true;
  for (int m = 0; m < 12; ++m) {
    settings.ShortMonthNames[m] = other ? "M" + std::to_string(m + 1) + "\xC3\xA4" : kMonths[m];
  }
  if (other) {
    settings.TimeSeparator = '.';
    settings.DateSeparator = '-';
  }
  return settings;
}

std::string Show(const TStampDateTime& v) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", v.Year, v.Month, v.Day, v.Hour,
                v.Minute, v.Second);
  return text;
}

std::string UtcToday() {
  std::time_t now = std::time(nullptr);
  char text[16];
  std::strftime(text, sizeof text, "%Y/%m/%d", std::gmtime(&now));
  return text;
}

TFileVersionInfoRec IdentityFor(const std::string& exePath) {
  TCaptureScope scope({}, exePath);
  TFileVersionInfoRec info;
  SetAppInfo(info, "2.4.0", "2.4.0.160", "Generate string for Shell Scripting Environment",
             "Linewright", false);
  return info;
}

}  // namespace

TEST(BuildStampToDateTime, ReadsTheStampAndSkipsAFraction) {
  const struct {
    const char* stamp;
    const char* value;
  } cases[] = {
      {"2023/08/27 11:17:15", "2023/08/27 11:17:15"},
      {"2023/08/27 11:17:15.5", "2023/08/27 11:17:15"},
      {"2023/08/27 11:17:15.04", "2023/08/27 11:17:15"},
      {"2023/08/27 11:17:15.123456", "2023/08/27 11:17:15"},
      {"2023/08/27 11:17:15.1.999", "2023/08/27 11:17:15"},
      {"2023/08/27 11:17:15.", "2023/08/27 11:17:15"},
      {"2024/02/29 23:59:59", "2024/02/29 23:59:59"},
      {"2023/08/27", "2023/08/27 00:00:00"},
      // Unreadable stamps give the zero date rather than a half-read value.
      {"2023/02/29 10:00:00", "1899/12/30 00:00:00"},
      {"2023/08/27 24:00:00", "1899/12/30 00:00:00"},
      {"2023/08/2711:17:15", "1899/12/30 00:00:00"},
      {"", "1899/12/30 00:00:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Show(BuildStampToDateTime(c.stamp)), c.value) << c.stamp;
  }
}

TEST(BuildStampToDateTime, GivesATimeOnlyStampTodaysDate) {
  const std::string before = UtcToday();
  const std::string value = Show(BuildStampToDateTime("11:17:15.25"));
  const std::string after = UtcToday();
  EXPECT_TRUE(value == before + " 11:17:15" || value == after + " 11:17:15") << value;
}

TEST(FormatStampDateTime, WritesTheCodesWithTheSettingsSeparatorsAndMonthNames) {
  const TStampDateTime value{2023, 8, 7, 9, 5, 3};
  const TFormatSettings english = Settings(false), other = Settings(true), unloaded;
  const struct {
    const char* pattern;
    const TFormatSettings* settings;
    const char* text;
  } cases[] = {
      {"dd mmm yyyy @ hh:00:00", &english, "07 Aug 2023 @ 09:00:00"},
      {"mm/dd/yyyy hh:nn:ss", &english, "08/07/2023 09:05:03"},
      {"dd mmm yyyy @ hh:00:00", &other, "07 M8\xC3\xA4 2023 @ 09.00.00"},
      {"mm/dd/yyyy hh:nn:ss", &other, "08-07-2023 09.05.03"},
      {"dd mmm yyyy", &unloaded, "07 Aug 2023"},  // no names known: English stands in
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatStampDateTime(c.pattern, value, *c.settings), c.text) << c.pattern;
  }
}

TEST(BannerLines, ShowTheNameVersionDatesAndToolchain) {
  const TFileVersionInfoRec info = IdentityFor("/x/X.exe");
  const std::string arch = ArchitectureTag();
  EXPECT_EQ(BannerLine(info, "2023/08/27", Settings(false)),
            "X v2.4.0" + arch + " (27 Aug 2023) - Generate string for Shell Scripting Environment");
  EXPECT_EQ(BuildLine(info, "2023/08/27 11:17:15", Settings(false)),
            "X.exe v2.4.0.160" + arch + " was compiled on 27 Aug 2023 @ 11:00:00 using " +
                ToolchainName());
  EXPECT_TRUE(std::regex_match(ToolchainName(), std::regex(R"((GCC|Clang|MSVC) \d+\.\d+(\.\d+)?)")))
      << ToolchainName();
#if defined(__x86_64__) || defined(_M_X64)
  EXPECT_EQ(arch, " x64");
#endif
}

TEST(BannerLines, FollowTheLocalesMonthNamesAndTimeSeparator) {
  const TFileVersionInfoRec info = IdentityFor("/opt/t/Tool.EXE");
  const std::string banner = BannerLine(info, "2024/02/29", Settings(true));
  EXPECT_EQ(banner.substr(0, banner.find(" - ")),
            "Tool v2.4.0" + std::string(ArchitectureTag()) + " (29 M2\xC3\xA4 2024)");
  const std::string build = BuildLine(info, "2024/02/29 23:59:59.999", Settings(true));
  EXPECT_EQ(build.rfind("Tool.EXE v2.4.0.160" + std::string(ArchitectureTag()) +
                            " was compiled on 29 M2\xC3\xA4 2024 @ 23.00.00 using ",
                        0),
            0u)
      << build;
}

TEST(BuildStamps, HaveTheFixedForms) {
  EXPECT_TRUE(std::regex_match(BuildTimeStamp, std::regex(R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d)")))
      << BuildTimeStamp;
  EXPECT_EQ(std::string(BuildTimeStamp).substr(0, 10), BuildDateStamp);
  EXPECT_NE(BuildStampToDateTime(BuildTimeStamp).Year, 1899);
}

TEST(ShowBanner, WritesTheRealStampsToTheErrorStreamOnce) {
  const TFileVersionInfoRec info = IdentityFor("/x/X.exe");
  const struct {
    bool withBuild;
    bool withBanner;
    int lines;  // the banner's four, then the build line and a blank one after the banner
  } cases[] = {{true, true, 6}, {false, true, 4}, {true, false, 1}};
  for (const auto& c : cases) {
    TCaptureScope run;
    EXPECT_FALSE(FormatSettings.Loaded);
    ShowBanner(info, c.withBuild, c.withBanner);
    EXPECT_TRUE(FormatSettings.Loaded);  // the locale is read when a date is first shown
    ShowBanner(info, true, true);
    FlushAllStreams();
    const std::string made[] = {BannerLine(info, BuildDateStamp, FormatSettings),
                                info.LegalNotice,
                                info.AuthorInfo,
                                "",
                                BuildLine(info, BuildTimeStamp, FormatSettings),
                                ""};
    std::string expected;
    for (int k = c.withBanner ? 0 : 4; k < (c.withBanner ? 0 : 4) + c.lines; ++k) {
      expected += made[k] + Nl("\n");
    }
    EXPECT_EQ(run.Capture.Err, expected) << "build=" << c.withBuild << " banner=" << c.withBanner;
    EXPECT_EQ(run.Capture.Out, "");
  }
}

TEST(ShowBanner, LeavesTheDateSeparatorSlash) {
  TFileVersionInfoRec info = IdentityFor("/x/X.exe");
  TCaptureScope run;
  FormatSettings = Settings(true);
  ShowBanner(info, true, false);
  FlushAllStreams();
  EXPECT_EQ(FormatSettings.DateSeparator, '/');
  EXPECT_TRUE(std::regex_match(
      run.Capture.Err,
      std::regex(NlPattern(R"(X\.exe v2\.4\.0\.160 \S+ was compiled on \d\d M\d+\S+ )"
                           R"(\d{4} @ \d\d\.00\.00 using .+\r\n)"))))
      << run.Capture.Err;
}

TEST(ShowBanner, ACallWithNeitherPartBlocksEveryLaterOne) {
  TFileVersionInfoRec info = IdentityFor("/x/X.exe");
  TCaptureScope run;
  ShowBanner(info, false, false);
  EXPECT_TRUE(CoreState.BannerShown);
  EXPECT_FALSE(FormatSettings.Loaded);  // nothing shown, so the locale was never needed
  ShowBanner(info, true, true);
  ShowBanner(info, true, false);
  FlushAllStreams();
  EXPECT_EQ(run.Capture.Both, "");
}

TEST(PrintSeparator, WritesDashesAndTheLineEndsToTheOutputStream) {
  const struct {
    int count;
    bool blankLineAfter;
    std::string text;
  } cases[] = {{3, false, Nl("---\n")},
               {3, true, Nl("---\n\n")},
               {0, false, Nl("\n")},
               {-5, true, Nl("\n\n")}};
  for (const auto& c : cases) {
    TCaptureScope scope;
    PrintSeparator(c.count, c.blankLineAfter);
    FlushAllStreams();
    EXPECT_EQ(scope.Capture.Out, c.text) << c.count << " " << c.blankLineAfter;
    EXPECT_EQ(scope.Capture.Err, "");
  }
}
