// Expected texts shared by the end-to-end tests.
#pragma once

#include <regex>
#include <string>

#include "core/console/banner.h"
#include "linewright_version.h"
#include "tests/e2e/e2e_helper.h"

inline constexpr char kDescription[] = "Generate string for Shell Scripting Environment";

// Escapes a literal text for use inside a regular expression.
inline std::string Literal(const std::string& text) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, special, R"(\$&)");
}

// The four banner lines; dates and the maker lines are matched loosely. The
// version is this build's, and so is the architecture tag: the binary under
// test is built for the target this suite is (the Windows build checked
// under Wine is x86-64, as Wine's host is).
inline std::string BannerPattern(const std::string& baseName) {
  return Literal(baseName + " v" LINEWRIGHT_VERSION + corvane::ArchitectureTag()) +
         R"( \(\d\d \S+ \d{4}\) - )" + Literal(kDescription) +
         NlPattern(R"(\r\n[^\r\n]+\r\n[^\r\n]+\r\n\r\n)");
}

inline std::string BuildLinePattern(const std::string& fileName) {
  return Literal(fileName + " v" LINEWRIGHT_BUILD + corvane::ArchitectureTag()) +
         NlPattern(R"( was compiled on \d\d \S+ \d{4} @ \d\d.00.00 using \S+ [0-9.]+\r\n)");
}

inline std::string Report(const TToolResult& r, const std::string& complaint) {
  return Lines({Nl("Invalid or Incomplete Syntax!\n"), "Execution Path ... " + r.ExeDir,
                "You entered ...... " + r.CommandLine + Nl("\n"), complaint + Nl("\n")});
}

inline bool MatchesWhole(const std::string& text, const std::string& pattern) {
  return std::regex_match(text, std::regex(pattern));
}
