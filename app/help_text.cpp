#include "app/help_text.h"

#include <charconv>
#include <cstdint>
#include <string_view>

#include "app/program_flow.h"
#include "core/console/banner.h"
#include "core/console/core_start.h"
#include "core/console/text_stream.h"

namespace {

// The three forms, as a mask, so one table row can say where it is printed.
enum THelpForm : std::uint8_t { hfNone = 0, hfShort = 1, hfFull = 2, hfExtended = 4 };
constexpr std::uint8_t hfLong = hfFull | hfExtended;
constexpr std::uint8_t hfAll = hfShort | hfLong;

enum THelpRowKind : std::uint8_t { hkText, hkTitle };

// One row is one line of text (a title stands for its three heading lines).
// "{name}" and the three constant names in braces are filled in when written.
// The text is held in the row, not pointed to: a pointer per row would be
// relocated at every start, help or not.
struct THelpLineRec {
  std::uint8_t Shown;       // forms that print the row
  std::uint8_t BlankAfter;  // forms in which one empty line follows it
  THelpRowKind Kind;
  char Text[106];  // the longest row and its NUL
};

// clang-format off
constexpr THelpLineRec HelpLines[] = {
  {hfAll,      hfNone,   hkTitle, "CMD SYNTAX:"},
  {hfAll,      hfAll,    hkText,  " {name} <character> <length> [options]"},
  {hfAll,      hfAll,    hkText,  " {name} <character> <length> [-L] [-c <char>] [-n <quantity>] [-b|-v]"},
  {hfAll,      hfNone,   hkText,  " {name} [-h|-?|--h2|--??] [-v]"},
  {hfAll,      hfAll,    hkText,  " {name} [-i|--Info|--Version-Only]"},
  {hfShort,    hfNone,   hkText,  "For more details, please type: {name} -?  OR  {name} --??"},

  {hfLong,     hfNone,   hkTitle, "OPTION DEFINITIONS:"},
  {hfLong,     hfNone,   hkText,  " -L, --Len, --Length ....... Display the length of the string"},
  {hfLong,     hfNone,   hkText,  " -c, --char ................ Select the character to make into a string"},
  {hfLong,     hfNone,   hkText,  " -n, --number, --quantity .. Select the number of lines to display (default = 1)"},
  {hfLong,     hfNone,   hkText,  " -b, --banner .............. Display banner information on each program execution"},
  {hfLong,     hfNone,   hkText,  " -v, --verbose, --build .... Display extended build information, plus application exit/return codes"},
  {hfLong,     hfNone,   hkText,  " -h, --help, -? ............ Display this help message."},
  {hfLong,     hfNone,   hkText,  "     --h2, --??, --help2 ... Display extended help information, plus exit/return codes."},
  {hfLong,     hfNone,   hkText,  " -i, --info ................ Display banner and build information, then exit."},
  {hfLong,     hfFull,   hkText,  "     --version-only ........ Display build information without banner, then exit."},
  {hfExtended, hfNone,   hkText,  "     --audible-error ....... Enable a beep on syntax error."},
  {hfExtended, hfNone,   hkText,  "     --error-delay ......... Enable a ~7 second delay on syntax error."},
  {hfExtended, hfAll,    hkText,  "     --debug-mode .......... Enable debug mode, which includes enabling Audible Error and Error Delay."},

  {hfLong,     hfNone,   hkTitle, "SYNTAX EXAMPLES:"},
  {hfLong,     hfNone,   hkText,  " {name} . 40"},
  {hfLong,     hfNone,   hkText,  " {name} - 80 --banner"},
  {hfLong,     hfNone,   hkText,  " {name} = 50 -n=3"},
  {hfLong,     hfNone,   hkText,  " {name} z 100"},
  {hfLong,     hfNone,   hkText,  " {name} z 100 -c=#"},
  {hfLong,     hfNone,   hkText,  " {name} ^^ 90"},
  {hfLong,     hfNone,   hkText,  " {name} \"|\" 2000 -L --Verbose"},
  {hfLong,     hfNone,   hkText,  " {name} -i"},
  {hfLong,     hfAll,    hkText,  " {name} -h"},

  {hfExtended, hfNone,   hkTitle, "GENERAL USAGE NOTES:"},
  {hfExtended, hfNone,   hkText,  " * Entering {name} with no parameters will display this help message."},
  {hfExtended, hfNone,   hkText,  " * Parameters surrounded by <> are mandatory; Those surrounded by [] are optional."},
  {hfExtended, hfNone,   hkText,  " * Parameters are case-insensitive, but may be shown in uppercase for clarity."},
  {hfExtended, hfNone,   hkText,  " * Single-character parameters (e.g. -h) can be prefaced by \"-\" or \"/\"."},
  {hfExtended, hfNone,   hkText,  " * Multi-character parameters (e.g. --help) should be prefaced by \"--\"."},
  {hfExtended, hfNone,   hkText,  " * All parameters need to be separated from each other by at least one space."},
  {hfExtended, hfNone,   hkText,  " * The -H, --?? --Version-Only and --Info parameters supersede all other options -- in that order."},
  {hfExtended, hfNone,   hkText,  " * The -V parameter causes application build mode info to be shown whenever the banner is shown."},
  {hfExtended, hfNone,   hkText,  " * Combining -H/-? and -V will display extended help info plus application exit/return codes."},
  {hfExtended, hfNone,   hkText,  " * The --?? parameter behaves like the -H/-? and -V parameters combined."},
  {hfExtended, hfNone,   hkText,  " * The -I parameter will ONLY show the banner, with build info, and quit.  It will process no other data."},
  {hfExtended, hfNone,   hkText,  " * The --Version-Only parameter behaves like the -I parameter, but without showing the banner."},
  {hfExtended, hfAll,    hkText,  " * The application banner is only displayed when Help Syntax is displayed, or when -B is used."},

  {hfExtended, hfNone,   hkTitle, "APP SPECIFIC USAGE NOTES:"},
  {hfExtended, hfNone,   hkText,  " * Characters such as <>^'%&`| must be enclosed in double quotes (\"\")."},
  {hfExtended, hfNone,   hkText,  " * The maximum allowed length of a generated string is {MaxStringLength} characters."},
  {hfExtended, hfNone,   hkText,  " * If /C is used, it will supersede whatever was in parameter slot #1."},
  {hfExtended, hfNone,   hkText,  " * The minimum number of lines which can be generated at one time is {MinLineCount} lines."},
  {hfExtended, hfAll,    hkText,  " * The maximum number of lines which can be generated at one time is {MaxLineCount} lines."},

  {hfExtended, hfNone,   hkTitle, "EXIT/RETURN CODES:"},
  {hfExtended, hfNone,   hkText,  " * Exit/Return Codes will be generated for the following conditions:"},
  {hfExtended, hfNone,   hkText,  "      0 - Command Completed Successfully"},
  {hfExtended, hfNone,   hkText,  "     64 - Missing Necessary/Essential Parameters"},
  {hfExtended, hfNone,   hkText,  "     65 - Invalid parameters were found"},
  {hfExtended, hfNone,   hkText,  "     67 - Parameters are missing mandatory values"},
  {hfExtended, hfNone,   hkText,  "    255 - Syntax Help Requested"},
};
// clang-format on

void WriteNumber(std::int32_t value) {
  char digits[16];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  (void)ec;
  corvane::WriteText(corvane::ConsoleOut,
                     std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// Writes one placeholder's value; false for a name the table does not use,
// which the caller then writes as it stands.
bool WriteField(std::string_view field) {
  if (field == "name") {
    corvane::WriteData(corvane::ConsoleOut, corvane::AppInfo.BaseName);
  } else if (field == "MaxStringLength") {
    WriteNumber(MaxStringLength);
  } else if (field == "MinLineCount") {
    WriteNumber(MinLineCount);
  } else if (field == "MaxLineCount") {
    WriteNumber(MaxLineCount);
  } else {
    return false;
  }
  return true;
}

// The row's text with its placeholders filled in, written straight to the
// stream in pieces: nothing is assembled, so nothing is allocated.
void WriteFilled(std::string_view text) {
  while (!text.empty()) {
    std::size_t open = text.find('{');
    std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
    if (close == std::string_view::npos) break;
    corvane::WriteText(corvane::ConsoleOut, text.substr(0, open));
    if (!WriteField(text.substr(open + 1, close - open - 1))) {
      corvane::WriteText(corvane::ConsoleOut, text.substr(open, close - open + 1));
    }
    text.remove_prefix(close + 1);
  }
  corvane::WriteText(corvane::ConsoleOut, text);
}

void DisplayHelpHeading(std::string_view title) {
  corvane::PrintSeparator(static_cast<int>(title.size()), false);
  corvane::WriteLine(corvane::ConsoleOut, title);
  corvane::PrintSeparator(static_cast<int>(title.size()), false);
}

}  // namespace

void DisplayHelpSyntax(bool shortHelp) {
  std::uint8_t form = shortHelp ? hfShort : corvane::VerboseParam.Found ? hfExtended : hfFull;
  for (const THelpLineRec& row : HelpLines) {
    if ((row.Shown & form) == 0) continue;
    if (row.Kind == hkTitle) {
      DisplayHelpHeading(row.Text);
    } else {
      WriteFilled(row.Text);
      if ((row.BlankAfter & form) != 0) corvane::WriteText(corvane::ConsoleOut, corvane::LineEnd);
      corvane::WriteLine(corvane::ConsoleOut, "");
    }
  }
}
