// The command line's rules as the tests and the fuzz oracle expect them,
// written once and apart from the program's code: the option table, the
// limits, and the exit codes and complaints of the error chain.
#pragma once

#include <string>
#include <string_view>

namespace expected {

struct TOptionRuleRec {
  std::string_view Aliases;
  int ValuesTaken;  // 1: a value attached or in the next argument
  bool Required;    // an empty or missing value leaves the option incomplete
};

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
