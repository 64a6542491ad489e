// The command line's rules as the tests and the fuzz oracle expect them,
// written once and apart from the program's code: the option table, the
// limits, and the exit codes and complaints of the error chain.
#pragma once

#include <string>
#include <string_view>

namespace expected {

// The line end of the program under test: the build's own for the in-process
// tests and fuzzers, the tested binary's for the end-to-end suite (which may
// run a Windows build under a launcher). Each test program defines it.
std::string_view TestedLineEnd();

// Expectations are written with "\n": the text with the tested line ends.
inline std::string Nl(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += TestedLineEnd();
    } else {
      out += c;
    }
  }
  return out;
}

struct TOptionRuleRec {
  std::string_view Aliases;
  int ValuesTaken;  // 1: a value attached or in the next argument
  bool Required;    // an empty or missing value leaves the option incomplete
};

// A regular expression written with \r\n for a line end, for the tested one.
inline std::string NlPattern(std::string_view pattern) {
  std::string out(pattern);
  if (TestedLineEnd() == "\r\n") return out;
  for (std::size_t at = 0; (at = out.find("\\r\\n", at)) != std::string::npos;) {
    if (at > 0 && out[at - 1] == '^') {
      at += 4;  // [^\r\n], a character that is no line end, stays
    } else {
      out.replace(at, 4, "\\n");
    }
  }
  return out;
}

// The program's options in the order they are searched.
inline constexpr TOptionRuleRec kOptions[] = {
    {"DEBUG DEBUG-MODE", 0, false},
    {"ERROR-DELAY", 1, false},
    {"AUDIBLE-ERROR", 1, false},
    {"H HELP ? H2 HELP2 ??", 0, false},
    {"V VERBOSE BUILD H2 HELP2 ??", 0, false},
    {"VERSION-ONLY BUILD-ONLY", 0, false},
    {"I INFO", 0, false},
    {"B BANNER", 0, false},
    {"L LEN LENGTH", 0, false},
    {"C CHAR", 1, true},
    {"N NUMBER QUANTITY", 1, false},
};
enum TOptionIndex {
  opDebug,
  opErrorDelay,
  opAudibleError,
  opHelp,
  opVerbose,
  opVersionOnly,
  opInfo,
  opBanner,
  opLength,
  opChar,
  opNumber,
  opCount
};

inline constexpr int kMaxLength = 1024;  // a longer length is cut to this
inline constexpr int kMinLines = 0;
inline constexpr int kMaxLines = 1000;  // more lines are cut to this
inline constexpr int kDefaultLines = 1;

// Exit codes. The checks run in the order of the error codes here and only
// the first error counts: too few arguments, an incomplete option, an
// unclaimed argument, then a length below 1.
inline constexpr int kExitDone = 0;
inline constexpr int kExitMissing = 64;
inline constexpr int kExitIncomplete = 67;
inline constexpr int kExitInvalid = 65;
inline constexpr int kExitHelp = 255;

// The help and information options, spelled as the missing-arguments complaint lists them.
inline constexpr char kEssentialAliases[] =
    "-H --HELP -? --H2 --HELP2 --?? --VERSION-ONLY --BUILD-ONLY --INFO";

inline std::string MissingComplaint() {
  return std::string("Missing Essential Parameters (e.g. <character> <length> ") +
         kEssentialAliases + ")";
}
// list: the arguments as the report lists them, each followed by one blank.
inline std::string IncompleteComplaint(const std::string& list) {
  return "Incomplete Parameters Provided: " + list;
}
inline std::string InvalidComplaint(const std::string& list) {
  return "Invalid Parameters Provided: " + list;
}
inline constexpr char kBadLengthComplaint[] =
    "Invalid Parameters Provided:  String length must be a positive number > 0";

}  // namespace expected
