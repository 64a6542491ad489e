#include <string>

#include "core/console/banner.h"
#include "core/console/core_start.h"
#include "core/options/option_table.h"
#include "corvane/console.h"
#include "core/console/text_stream.h"

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
    // Lines that start with a long spelling leave room for a short one.
    std::string line;
    for (const std::string& spelling : OptionSpellings(option.Aliases)) {
      line += line.empty() ? (spelling.size() == 2 ? " " : "     ") : ", ";
      line += spelling;
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
