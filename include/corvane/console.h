// The console services: the two text streams, the identity and its banner,
// the syntax-error report, the pause, and what the console makes of a
// tool's option table (usage, checks, completions).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core_state.h"
#include "options.h"
#include "platform.h"

namespace corvane {

// ---- The two streams ----------------------------------------------------------
// Text is buffered in the process and handed to the system in the order it
// was written across both streams. On a terminal every completed line is
// handed over at its line end; whatever is pending is handed over when main
// returns or exit is called, and text written later in the exit work (static
// destructors, exit handlers) goes out as it is written. A failed write ends
// the process (WriteFailedStatus), and so does a write to a stream that was
// never bound (UnboundStreamStatus). C stdio keeps a buffer of its own, so
// text written both ways may arrive out of order.

struct TStreamSink;
// A stream writes into a sink; a syntax-error report points ConsoleOut at
// standard error's.
struct TTextStream {
  TStreamSink* Sink = nullptr;
};

extern TTextStream ConsoleOut;  // standard output from process start
extern TTextStream ConsoleErr;  // standard error

void WriteText(TTextStream& stream, std::string_view text);
// Text taken from data (arguments, paths, file names): byte for byte on a
// file or pipe, with its controls escaped on a terminal, which data must
// never drive.
void WriteData(TTextStream& stream, std::string_view data);
void WriteChar(TTextStream& stream, char c);
// text, then the line end; on a terminal the line is handed over at once.
void WriteLine(TTextStream& stream, std::string_view text = {});
// line, which ends in the line end, count times over, in as few writes as
// the system allows (on a terminal a line at a time).
void WriteRepeatedLine(TTextStream& stream, std::string_view line, std::size_t count);
// Hands pending text to the system (a prompt, before stdio is used).
void FlushStream(TTextStream& stream);
void FlushAllStreams();

// ---- Identity and banner ------------------------------------------------------

// Fills the names from the executable's file (appName only when none is
// known), the version and build texts, and the core's maker lines.
void SetAppInfo(TFileVersionInfoRec& info, std::string_view version, std::string_view build,
                std::string_view description, std::string_view appName, bool upperCaseNames);
// Banner and/or build line on ConsoleErr, at most once per process.
void ShowBanner(const TFileVersionInfoRec& info, bool withBuild, bool withBanner);
// count dashes on ConsoleOut, an extra line end when asked, then the line end.
void PrintSeparator(int count, bool blankLineAfter);
// Case-insensitive (ASCII) replacement of every occurrence, or the first.
std::string ReplaceText(const std::string& s, const std::string& oldText,
                        const std::string& newText, bool firstOnly);

// The tool's build date and time, "yyyy/mm/dd" and "yyyy/mm/dd hh:nn:ss",
// which its banner shows. The tool defines them, not the library: CMake's
// corvane_build_stamp(<target>), or CORVANE_BUILD_STAMP; written once at
// file scope in one of its sources (the compiler's __DATE__ and __TIME__,
// which GCC, and Clang from 16, take from SOURCE_DATE_EPOCH when set).
extern const char BuildDateStamp[];
extern const char BuildTimeStamp[];

// Character i of "yyyy/mm/dd hh:nn:ss", read from __DATE__ ("Mmm dd yyyy")
// and __TIME__ ("hh:mm:ss").
constexpr char StampChar(const char* date, const char* time, int i) {
  constexpr char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
  int month = 1;
  while (month < 12 && !(kMonths[month * 3 - 3] == date[0] && kMonths[month * 3 - 2] == date[1] &&
                         kMonths[month * 3 - 1] == date[2])) {
    ++month;
  }
  if (i < 4) return date[7 + i];
  if (i == 5 || i == 6) return static_cast<char>('0' + (i == 5 ? month / 10 : month % 10));
  if (i == 8) return date[4] == ' ' ? '0' : date[4];
  if (i == 9) return date[5];
  if (i == 4 || i == 7) return '/';
  return i == 10 ? ' ' : time[i - 11];
}

// ---- The syntax-error report, the beep and the pause ----------------------------
// Both reports point ConsoleOut at standard error for the rest of the
// process, write the complaint and the command line on ConsoleErr, then
// beep and pause as asked.

// The complaint gets "(See Syntax Definition Below)" appended.
void ReportSyntaxError(const std::string& msg, bool pause, bool beep);
// The complaint is printed unchanged; validation is accepted but not used.
void ReportCustomSyntaxError(TParamStatisticsRec& validation, const std::string& msg, bool pause,
                             bool beep);
// The prompt, then up to count dots, one per 250 ms, until a key is pressed.
void WaitWithDots(int count, const std::string& prompt);

// ---- A tool's option table on the console ------------------------------------

// One line per option on ConsoleOut, as the family writes them: the
// spellings, dots, and the help line from the 30th column on.
void WriteOptionLines(std::span<const TOptionRec> options);
// "CMD SYNTAX:" with the program's name and synopsis ("<text> [width]
// [options]"); unless shortForm, "OPTION DEFINITIONS:" and the option lines.
void WriteUsage(std::span<const TOptionRec> options, std::string_view synopsis, bool shortForm);
// Validates the arguments, then checks in the family's order: fewer than
// minArgs arguments (missing, 64), a value missing (incomplete, 67), an
// unknown option or a required number's bad value (invalid, 65). The first
// that fails shows the banner (once SetAppInfo has named the tool), the
// syntax-error report and the short usage, sets ExitCode and returns the
// code; 0 when every check passes. The synopsis names the essential
// arguments before its first "[".
std::int32_t CheckOptions(std::span<const TOptionRec> options, std::int32_t minArgs,
                          std::string_view synopsis);
// Writes on ConsoleOut the completion of the program's options for shell,
// "bash", "zsh" or "fish", under PlatformMessageName(); false, and nothing
// written, for another shell. Bash takes it with `source`, zsh from a file
// named _<name> in fpath, fish from completions/<name>.fish.
bool WriteCompletion(std::span<const TOptionRec> options, std::string_view shell);

}  // namespace corvane

// clang-format off
#define CORVANE_STAMP_(i) ::corvane::StampChar(__DATE__, __TIME__, i)
#define CORVANE_STAMP_DATE_ CORVANE_STAMP_(0), CORVANE_STAMP_(1), CORVANE_STAMP_(2), \
  CORVANE_STAMP_(3), CORVANE_STAMP_(4), CORVANE_STAMP_(5), CORVANE_STAMP_(6), CORVANE_STAMP_(7), \
  CORVANE_STAMP_(8), CORVANE_STAMP_(9)
#define CORVANE_STAMP_TIME_ CORVANE_STAMP_(10), CORVANE_STAMP_(11), CORVANE_STAMP_(12), \
  CORVANE_STAMP_(13), CORVANE_STAMP_(14), CORVANE_STAMP_(15), CORVANE_STAMP_(16), \
  CORVANE_STAMP_(17), CORVANE_STAMP_(18)
#ifdef CORVANE_BUILD_STAMP_GENERATED
#define CORVANE_BUILD_STAMP static_assert(true)
#else
#define CORVANE_BUILD_STAMP \
  const char corvane::BuildDateStamp[] = {CORVANE_STAMP_DATE_, '\0'}; \
  const char corvane::BuildTimeStamp[] = {CORVANE_STAMP_DATE_, CORVANE_STAMP_TIME_, '\0'}
#endif
// clang-format on
