// The banner and build line of the real binary: names from the copy's file
// name, the build date, and the month names and time separator of the locale.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>

#include "tests/e2e/e2e_helper.h"
#include "tests/e2e/expected_text.h"

namespace fs = std::filesystem;

namespace {

const char* const kEnglishMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kGermanMonths[12] = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun",
                                       "Jul", "Aug", "Sep",        "Okt", "Nov", "Dez"};
const char* const kFinnishMonths[12] = {"tammi", "helmi",       "maalis",       "huhti",
                                        "touko", "kes\xC3\xA4", "hein\xC3\xA4", "elo",
                                        "syys",  "loka",        "marras",       "joulu"};

// The parts of one "-i" run's standard error.
struct TInfoText {
  std::string BaseName, Arch, BannerDate, Maker1, Maker2, FileName, BuildDate, Hour, Separator,
      Toolchain;
};

std::optional<TInfoText> ParseInfo(const std::string& err) {
  static const std::regex shape(NlPattern(
      R"((\S+) v)" + Literal(LINEWRIGHT_VERSION) +
      R"(( [a-z0-9]+) \((\d\d \S+ \d{4})\) - ([^\r\n]+)\r\n([^\r\n]+)\r\n([^\r\n]+)\r\n\r\n)"
      R"((\S+) v)" +
      Literal(LINEWRIGHT_BUILD) +
      R"(( [a-z0-9]+) was compiled on (\d\d \S+ \d{4}) @ (\d\d)(.)00(.)00 using (\S+ [0-9.]+)\r\n\r\n)"));
  std::smatch m;
  if (!std::regex_match(err, m, shape) || m[4] != kDescription || m[2] != m[8] || m[11] != m[12]) {
    return std::nullopt;
  }
  return TInfoText{m[1], m[2], m[3], m[5], m[6], m[7], m[9], m[10], m[11], m[13]};
}

// The month number (0-11) of a "dd Mon yyyy" date, -1 if not in the table.
int MonthOf(const std::string& date, const char* const months[12]) {
  std::string name = date.substr(3, date.size() - 8);
  for (int m = 0; m < 12; ++m) {
    if (name == months[m]) return m;
  }
  return -1;
}

// Compiles a system locale into dir; false when this machine cannot.
bool MakeLocale(const fs::path& dir, const std::string& name) {
  if (std::system("command -v localedef >/dev/null 2>&1") != 0) return false;
  if (!fs::exists("/usr/share/i18n/locales/" + name) ||
      !fs::exists("/usr/share/i18n/charmaps/UTF-8.gz")) {
    return false;
  }
  std::string command = "localedef -i " + name + " -f UTF-8 '" +
                        (dir / (name + ".UTF-8")).string() + "' >/dev/null 2>&1";
  int ignored = std::system(command.c_str());  // warnings give a non-zero status too
  (void)ignored;
  return fs::exists(dir / (name + ".UTF-8") / "LC_TIME");
}

struct TTempDir {
  fs::path Path;
  TTempDir() {
    std::string pattern = (fs::temp_directory_path() / "linewright-locale-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) Path = pattern;
  }
  ~TTempDir() {
    std::error_code ignored;
    if (!Path.empty()) fs::remove_all(Path, ignored);
  }
};

TToolResult RunInfo(const std::string& name, const std::vector<std::string>& env) {
  TToolRun how;
  how.Name = name;
  how.Env = env;
  return RunTool({"-i"}, how);
}

}  // namespace

TEST(BannerE2E, InfoShowsBannerAndBuildLineNamedAfterTheCopy) {
  const struct {
    const char* name;
    const char* baseName;
  } cases[] = {{"Linewright", "Linewright"}, {"Tool.EXE", "Tool"}, {"a.exe.exe", "a"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TToolResult r = RunInfo(c.name, {"LC_ALL=C"});
    EXPECT_EQ(r.ExitStatus, 0);
    EXPECT_EQ(r.Out, "");
    std::optional<TInfoText> info = ParseInfo(r.Err);
    ASSERT_TRUE(info.has_value()) << r.Err;
    EXPECT_EQ(info->BaseName, c.baseName);
    EXPECT_EQ(info->FileName, c.name);
    EXPECT_EQ(info->BannerDate, info->BuildDate);  // one build, one date
    EXPECT_GE(MonthOf(info->BannerDate, kEnglishMonths), 0) << info->BannerDate;
    EXPECT_EQ(info->Separator, ":");
    EXPECT_TRUE(
        std::regex_match(info->Toolchain, std::regex(R"((GCC|Clang|MSVC) \d+\.\d+(\.\d+)?)")));
    EXPECT_NE(info->Maker1, info->Maker2);
  }
}

TEST(BannerE2E, DatesFollowTheLocalesMonthNamesAndTimeSeparator) {
  SKIP_UNDER_LAUNCHER(
      "Wine maps the locale itself, and a Windows program writes its ANSI code page");
  TTempDir locales;
  if (locales.Path.empty() || !MakeLocale(locales.Path, "de_DE") ||
      !MakeLocale(locales.Path, "fi_FI")) {
    GTEST_SKIP() << "localedef or the de_DE/fi_FI locale sources are missing on this machine";
  }
  std::optional<TInfoText> english = ParseInfo(RunInfo("Linewright", {"LC_ALL=C"}).Err);
  ASSERT_TRUE(english.has_value());
  const int month = MonthOf(english->BuildDate, kEnglishMonths);
  ASSERT_GE(month, 0);

  const struct {
    const char* locale;
    const char* const* months;
    const char* separator;
  } cases[] = {{"de_DE.UTF-8", kGermanMonths, ":"}, {"fi_FI.UTF-8", kFinnishMonths, "."}};
  // glibc's newlocale never frees the search path it builds from LOCPATH;
  // a sanitizer build would report that as the program's leak.
  const fs::path suppressions = locales.Path / "lsan.supp";
  std::FILE* file = std::fopen(suppressions.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("leak:argz_add_sep\n", file);
  std::fclose(file);

  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    // LC_TIME alone decides, whatever LANG says.
    TToolResult r = RunInfo(
        "Linewright", {"LOCPATH=" + locales.Path.string(), "LC_ALL=", "LANG=C",
                       std::string("LC_TIME=") + c.locale,
                       "LSAN_OPTIONS=print_suppressions=0:suppressions=" + suppressions.string()});
    EXPECT_EQ(r.ExitStatus, 0);
    std::optional<TInfoText> info = ParseInfo(r.Err);
    ASSERT_TRUE(info.has_value()) << r.Err;
    const std::string expected = english->BuildDate.substr(0, 3) + c.months[month] +
                                 english->BuildDate.substr(english->BuildDate.size() - 5);
    EXPECT_EQ(info->BannerDate, expected) << "the locale's month names were not used";
    EXPECT_EQ(info->BuildDate, expected);
    EXPECT_EQ(info->Separator, c.separator) << "the locale's time separator was not used";
    EXPECT_EQ(info->Hour, english->Hour);
  }
}

TEST(BannerE2E, AnUnknownLocaleFallsBackToEnglish) {
  SKIP_UNDER_LAUNCHER("Wine writes its own warning about an unknown locale to standard error");
  TToolResult r = RunInfo("Linewright", {"LC_ALL=xx_NOWHERE.UTF-8"});
  EXPECT_EQ(r.ExitStatus, 0);
  std::optional<TInfoText> info = ParseInfo(r.Err);
  ASSERT_TRUE(info.has_value()) << r.Err;
  EXPECT_GE(MonthOf(info->BannerDate, kEnglishMonths), 0) << info->BannerDate;
  EXPECT_EQ(info->Separator, ":");
}
