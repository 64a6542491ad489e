#include "core/console/banner.h"

#include <charconv>
#include <cstdint>
#include <ctime>
#include <initializer_list>
#include <numeric>
#include <string_view>

#include "core/console/core_start.h"
#include "core/console/text_stream.h"

namespace corvane {

namespace {

// The value of a stamp that holds no date (and of one that cannot be read).
const TStampDateTime kZeroDate{};

// The names shown where the locale has none (the C locale, a failed lookup).
const char* const kEnglishMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads 1 to maxDigits decimal digits at pos.
bool ReadNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits, int& value) {
  std::size_t start = pos;
  value = 0;
  while (pos < text.size() && IsDigit(text[pos]) && pos - start < maxDigits) {
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return pos > start;
}

bool ReadChar(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

void SkipSpaces(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
}

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// "yyyy/mm/dd", "hh:nn[:ss[.zzz]]" or both separated by spaces. hasDate
// tells whether a date was read.
bool ReadStampText(std::string_view text, TStampDateTime& value, bool& hasDate) {
  TStampDateTime read = kZeroDate;
  std::size_t pos = 0;
  int first = 0;
  hasDate = false;
  SkipSpaces(text, pos);
  if (!ReadNumber(text, pos, 4, first)) return false;
  if (ReadChar(text, pos, '/')) {
    read.Year = first;
    if (!ReadNumber(text, pos, 2, read.Month) || !ReadChar(text, pos, '/') ||
        !ReadNumber(text, pos, 2, read.Day)) {
      return false;
    }
    if (read.Year < 1 || read.Month < 1 || read.Month > 12 || read.Day < 1 ||
        read.Day > DaysInMonth(read.Year, read.Month)) {
      return false;
    }
    hasDate = true;
    std::size_t afterDate = pos;
    SkipSpaces(text, pos);
    if (pos == text.size()) {
      value = read;
      return true;
    }
    if (pos == afterDate || !ReadNumber(text, pos, 2, first)) return false;
  }
  read.Hour = first;
  if (!ReadChar(text, pos, ':') || !ReadNumber(text, pos, 2, read.Minute)) return false;
  if (ReadChar(text, pos, ':')) {
    if (!ReadNumber(text, pos, 2, read.Second)) return false;
    if (ReadChar(text, pos, '.')) {
      int fraction = 0;  // read, and not shown
      ReadNumber(text, pos, 3, fraction);
    }
  }
  SkipSpaces(text, pos);
  if (pos != text.size() || read.Hour > 23 || read.Minute > 59 || read.Second > 59) return false;
  value = read;
  return true;
}

void AppendPadded(std::string& out, int value, int width) {
  char digits[12];
  char* end = std::to_chars(digits, digits + sizeof digits, value < 0 ? 0 : value).ptr;
  if (end - digits < width) out.append(static_cast<std::size_t>(width - (end - digits)), '0');
  out.append(digits, end);
}

std::string_view MonthName(int month, const TFormatSettings& settings) {
  if (month < 1 || month > 12) return {};
  const std::string& name = settings.ShortMonthNames[month - 1];
  return name.empty() ? std::string_view(kEnglishMonths[month - 1]) : std::string_view(name);
}

// The pieces in one block of their total size: a line grown piece by piece
// leaves each smaller block it outgrew behind on the heap.
std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string out;
  out.reserve(
      std::accumulate(pieces.begin(), pieces.end(), std::size_t{0},
                      [](std::size_t n, std::string_view piece) { return n + piece.size(); }));
  for (const std::string_view piece : pieces) out.append(piece);
  return out;
}

void WriteBannerLine(std::string_view line) {
  // The names come from the executable's file name.
  WriteData(ConsoleErr, line);
  WriteLine(ConsoleErr);
}

// Today's date in UTC, from the days since 1970 (Howard Hinnant's
// civil-from-days). The time-zone machinery of localtime would more than
// double the size of a static binary for a date the real stamps never need.
TStampDateTime Today() {
  const std::int64_t days = static_cast<std::int64_t>(std::time(nullptr)) / 86400;
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  TStampDateTime today;
  today.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  today.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  today.Year = static_cast<int>(yoe + era * 400 + (today.Month <= 2 ? 1 : 0));
  return today;
}

}  // namespace

const char* ArchitectureTag() {
#if defined(__x86_64__) || defined(_M_X64)
  return " x64";
#elif defined(__i386__) || defined(_M_IX86)
  return " x86";
#elif defined(__aarch64__) || defined(_M_ARM64)
  return " arm64";
#elif defined(__arm__) || defined(_M_ARM)
  return " arm";
#else
  return "";
#endif
}

#define CORVANE_TEXT(x) #x
#define CORVANE_VERSION_TEXT(a, b, c) CORVANE_TEXT(a) "." CORVANE_TEXT(b) "." CORVANE_TEXT(c)

std::string ToolchainName() {
  // clang (and clang-cl) also define __GNUC__ or _MSC_VER, so it comes first.
#if defined(__clang__)
  return "Clang " CORVANE_VERSION_TEXT(__clang_major__, __clang_minor__, __clang_patchlevel__);
#elif defined(__GNUC__)
  return "GCC " CORVANE_VERSION_TEXT(__GNUC__, __GNUC_MINOR__, __GNUC_PATCHLEVEL__);
#elif defined(_MSC_VER)
  std::string minor = std::to_string(_MSC_VER % 100);
  return "MSVC " + std::to_string(_MSC_VER / 100) + "." + (minor.size() < 2 ? "0" : "") + minor;
#else
  return "C++ " + std::to_string(__cplusplus);
#endif
}

std::string FormatStampDateTime(const std::string& pattern, const TStampDateTime& value,
                                const TFormatSettings& settings) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    // A code is a run of one letter; no code is longer than four.
    const char code = pattern[i];
    std::size_t run = 1;
    while (run < 4 && i + run < pattern.size() && pattern[i + run] == code) ++run;
    if (code == 'y' && run == 4) {
      AppendPadded(out, value.Year, 4);
      i += 4;
    } else if (code == 'm' && run >= 3) {
      out += MonthName(value.Month, settings);
      i += 3;
    } else if (run >= 2 && std::string_view("mdhns").find(code) != std::string_view::npos) {
      const int field = code == 'm'   ? value.Month
                        : code == 'd' ? value.Day
                        : code == 'h' ? value.Hour
                        : code == 'n' ? value.Minute
                                      : value.Second;
      AppendPadded(out, field, 2);
      i += 2;
    } else {
      out += code == ':' ? settings.TimeSeparator : code == '/' ? settings.DateSeparator : code;
      ++i;
    }
  }
  return out;
}

TStampDateTime BuildStampToDateTime(std::string_view stamp) {
  // A fraction of a second is read as exactly three digits (padded with
  // zeros or cut); whatever follows a second "." is dropped.
  std::string_view text = stamp;
  std::string cut;
  const std::size_t dot = stamp.find('.');
  if (dot != std::string_view::npos) {
    const std::size_t next = stamp.find('.', dot + 1);
    const std::string fraction(
        stamp.substr(dot + 1, next == std::string_view::npos ? next : next - dot - 1));
    if (!fraction.empty()) {
      cut.assign(stamp.substr(0, dot + 1)).append((fraction + "000").substr(0, 3));
      text = cut;
    }
  }

  TStampDateTime value = kZeroDate;
  bool hasDate = false;
  if (!ReadStampText(text, value, hasDate)) return kZeroDate;
  // A stamp holding only a time is taken as today at that time.
  if (!hasDate) {
    TStampDateTime today = Today();
    value.Year = today.Year;
    value.Month = today.Month;
    value.Day = today.Day;
  }
  return value;
}

std::string BannerLine(const TFileVersionInfoRec& info, std::string_view dateStamp,
                       const TFormatSettings& settings) {
  TStampDateTime built = kZeroDate;
  bool hasDate = false;
  if (!ReadStampText(dateStamp, built, hasDate)) built = kZeroDate;
  return Joined({info.NameVersion, ArchitectureTag(), " (",
                 FormatStampDateTime("dd mmm yyyy", built, settings), ") - ", info.Description});
}

std::string BuildLine(const TFileVersionInfoRec& info, std::string_view timeStamp,
                      const TFormatSettings& settings) {
  // Whole hours only: the build line names the hour of the build.
  const std::string compiled =
      FormatStampDateTime("dd mmm yyyy @ hh:00:00", BuildStampToDateTime(timeStamp), settings);
  return Joined({info.FileNameBuild, ArchitectureTag(), " was compiled on ", compiled, " using ",
                 ToolchainName()});
}

void ShowBanner(const TFileVersionInfoRec& info, bool withBuild, bool withBanner) {
  if (CoreState.BannerShown) return;
  // The locale is consulted only when a date is about to be shown.
  if (withBuild || withBanner) EnsureFormatSettings();
  FormatSettings.DateSeparator = '/';
  // Line by line: no more than one made line is held at a time.
  if (withBanner) {
    WriteBannerLine(BannerLine(info, BuildDateStamp, FormatSettings));
    WriteBannerLine(info.LegalNotice);
    WriteBannerLine(info.AuthorInfo);
    WriteBannerLine("");
  }
  if (withBuild) {
    WriteBannerLine(BuildLine(info, BuildTimeStamp, FormatSettings));
    if (withBanner) WriteBannerLine("");
  }
  CoreState.BannerShown = true;
}

void PrintSeparator(int count, bool blankLineAfter) {
  if (count > 0) WriteText(ConsoleOut, std::string(static_cast<std::size_t>(count), '-'));
  if (blankLineAfter) WriteText(ConsoleOut, LineEnd);
  WriteLine(ConsoleOut);
}

}  // namespace corvane
