// Expected texts shared by the end-to-end tests.
#pragma once

#include <regex>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helper.h"

// The help's first block, one entry per line ("" is an empty line).
inline std::vector<std::string> SyntaxBlock(const std::string& name) {
  return {"-----------",
          "CMD SYNTAX:",
          "-----------",
          " " + name + " <character> <length> [options]",
          "",
          " " + name + " <character> <length> [-L] [-c <char>] [-n <quantity>] [-b|-v]",
          "",
          " " + name + " [-h|-?|--h2|--??] [-v]",
          " " + name + " [-i|--Info|--Version-Only]",
          ""};
}

inline std::string ShortHelp(const std::string& name) {
  return Lines(SyntaxBlock(name)) +
         Lines({"For more details, please type: " + name + " -?  OR  " + name + " --??"});
}

// Escapes a literal text for use inside a regular expression.
inline std::string Literal(const std::string& text) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, special, R"(\$&)");
}

// The four banner lines; dates and the maker lines are matched loosely.
inline std::string BannerPattern(const std::string& baseName) {
  return Literal(baseName) +
         R"( v2\.4\.0 x64 \(\d\d \S+ \d{4}\) - Generate string for Shell Scripting Environment\r\n)"
         R"([^\r\n]+\r\n[^\r\n]+\r\n\r\n)";
}

inline std::string BuildLinePattern(const std::string& fileName) {
  return Literal(fileName) +
         R"( v2\.4\.0\.160 x64 was compiled on \d\d \S+ \d{4} @ \d\d.00.00 using \S+ [0-9.]+\r\n)";
}

inline std::string Report(const TToolResult& r, const std::string& complaint) {
  return Lines({"Invalid or Incomplete Syntax!\r\n", "Execution Path ... " + r.ExeDir,
                "You entered ...... " + r.CommandLine + "\r\n", complaint + "\r\n"});
}

inline bool MatchesWhole(const std::string& text, const std::string& pattern) {
  return std::regex_match(text, std::regex(pattern));
}
