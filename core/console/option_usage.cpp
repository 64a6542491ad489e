#include "core/console/option_usage.h"

#include <string>

#include "core/console/banner.h"
#include "core/console/core_state.h"
#include "core/console/text_stream.h"
#include "core/options/option_spellings.h"

namespace corvane {

namespace {

// The column (from 0) the help lines start at.
constexpr std::size_t kHelpColumn = 29;

void WriteHeading(std::string_view title) {
  PrintSeparator(static_cast<int>(title.size()), false);
  WriteLine(ConsoleOut, title);
  PrintSeparator(static_cast<int>(title.size()), false);
}

}  // namespace

void WriteOptionLines(std::span<const TOptionRec> options) {
  for (const TOptionRec& option : options) {
    std::size_t pos = 0;
    std::string_view alias = NextAlias(option.Aliases, pos);
    // Lines that start with a long spelling leave room for a short one.
    std::string line = alias.size() == 1 ? " " : "     ";
    for (bool first = true; !alias.empty(); alias = NextAlias(option.Aliases, pos), first = false) {
      if (!first) line += ", ";
      line += OptionSpelling(alias);
    }
    line += ' ';
    line.append(line.size() + 3 > kHelpColumn ? 2 : kHelpColumn - 1 - line.size(), '.');
    line += ' ';
    line += option.Help;
    WriteLine(ConsoleOut, line);
  }
}

void WriteUsage(std::span<const TOptionRec> options, std::string_view synopsis, bool shortForm) {
  WriteHeading("CMD SYNTAX:");
  WriteText(ConsoleOut, " ");
  WriteData(ConsoleOut, AppInfo.Initialized ? AppInfo.BaseName : PlatformMessageName());
  WriteText(ConsoleOut, " ");
  WriteLine(ConsoleOut, synopsis);
  WriteLine(ConsoleOut);
  if (shortForm) return;
  WriteHeading("OPTION DEFINITIONS:");
  WriteOptionLines(options);
  WriteLine(ConsoleOut);
}

}  // namespace corvane
