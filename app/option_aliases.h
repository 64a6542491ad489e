// The alias lists of the program's options, in the order they are searched,
// and what the searches and the validation pass make of them, worked out
// ahead so that a run does not work them out again.
#pragma once

#include <string_view>

#include "corvane/options.h"

inline constexpr std::string_view DebugAliases = "  DEBUG DEBUG-MODE";
inline constexpr std::string_view ErrorDelayAliases = "  ERROR-DELAY";
inline constexpr std::string_view AudibleErrorAliases = "  AUDIBLE-ERROR";
inline constexpr std::string_view HelpAliases = "H HELP ? H2 HELP2 ??";
inline constexpr std::string_view VerboseAliases = "V VERBOSE BUILD H2 HELP2 ??";
inline constexpr std::string_view VersionOnlyAliases = "  VERSION-ONLY BUILD-ONLY";
inline constexpr std::string_view InfoAliases = "I INFO";
inline constexpr std::string_view BannerAliases = "B BANNER";
inline constexpr std::string_view LengthAliases = "L LEN LENGTH";
inline constexpr std::string_view CharAliases = "C CHAR";
inline constexpr std::string_view NumberAliases = "N NUMBER QUANTITY";

// tests/app/option_aliases_test.cpp prints it anew when a list changes.
extern const corvane::TPrecomputedAliases ProgramAliasWork;
