// The help as a reader sees it, written out once, apart from the program's
// own table, for every check of it: the help module's unit test, the
// end-to-end help cases and the fuzz oracle. "Repeater" stands for the
// program's name and every "\n" for CR LF.
#pragma once

#include <cstddef>
#include <string>

#include "tests/support/expected_rules.h"

namespace expected {

enum THelpForm { hfShort, hfFull, hfExtended };

inline constexpr char kHelpName[] = "Repeater";

inline constexpr char kHelpHeading[] = "-----------\nCMD SYNTAX:\n-----------\n";

inline constexpr char kHelpSyntax[] = R"help( Repeater <character> <length> [options]

 Repeater <character> <length> [-L] [-c <char>] [-n <quantity>] [-b|-v]

 Repeater [-h|-?|--h2|--??] [-v]
 Repeater [-i|--Info|--Version-Only]

)help";

inline constexpr char kHelpPointer[] =
    "For more details, please type: Repeater -?  OR  Repeater --??\n";

inline constexpr char kHelpOptions[] = R"help(-------------------
OPTION DEFINITIONS:
-------------------
 -L, --Len, --Length ....... Display the length of the string
 -c, --char ................ Select the character to make into a string
 -n, --number, --quantity .. Select the number of lines to display (default = 1)
 -b, --banner .............. Display banner information on each program execution
 -v, --verbose, --build .... Display extended build information, plus application exit/return codes
 -h, --help, -? ............ Display this help message.
     --h2, --??, --help2 ... Display extended help information, plus exit/return codes.
 -i, --info ................ Display banner and build information, then exit.
     --version-only ........ Display build information without banner, then exit.
)help";

inline constexpr char kHelpDebugOptions[] =
    R"help(     --audible-error ....... Enable a beep on syntax error.
     --error-delay ......... Enable a ~7 second delay on syntax error.
     --debug-mode .......... Enable debug mode, which includes enabling Audible Error and Error Delay.
)help";

inline constexpr char kHelpExamples[] = R"help(
----------------
SYNTAX EXAMPLES:
----------------
 Repeater . 40
 Repeater - 80 --banner
 Repeater = 50 -n=3
 Repeater z 100
 Repeater z 100 -c=#
 Repeater ^^ 90
 Repeater "|" 2000 -L --Verbose
 Repeater -i
 Repeater -h

)help";

inline constexpr char kHelpNotes[] = R"help(--------------------
GENERAL USAGE NOTES:
--------------------
 * Entering Repeater with no parameters will display this help message.
 * Parameters surrounded by <> are mandatory; Those surrounded by [] are optional.
 * Parameters are case-insensitive, but may be shown in uppercase for clarity.
 * Single-character parameters (e.g. -h) can be prefaced by "-" or "/".
 * Multi-character parameters (e.g. --help) should be prefaced by "--".
 * All parameters need to be separated from each other by at least one space.
 * The -H, --?? --Version-Only and --Info parameters supersede all other options -- in that order.
 * The -V parameter causes application build mode info to be shown whenever the banner is shown.
 * Combining -H/-? and -V will display extended help info plus application exit/return codes.
 * The --?? parameter behaves like the -H/-? and -V parameters combined.
 * The -I parameter will ONLY show the banner, with build info, and quit.  It will process no other data.
 * The --Version-Only parameter behaves like the -I parameter, but without showing the banner.
 * The application banner is only displayed when Help Syntax is displayed, or when -B is used.

-------------------------
APP SPECIFIC USAGE NOTES:
-------------------------
 * Characters such as <>^'%&`| must be enclosed in double quotes ("").
 * The maximum allowed length of a generated string is 1024 characters.
 * If /C is used, it will supersede whatever was in parameter slot #1.
 * The minimum number of lines which can be generated at one time is 0 lines.
 * The maximum number of lines which can be generated at one time is 1000 lines.

------------------
EXIT/RETURN CODES:
------------------
 * Exit/Return Codes will be generated for the following conditions:
      0 - Command Completed Successfully
     64 - Missing Necessary/Essential Parameters
     65 - Invalid parameters were found
     67 - Parameters are missing mandatory values
    255 - Syntax Help Requested
)help";

// A text of this file with the name put in and the tested line ends.
inline std::string HelpBytes(const std::string& text, const std::string& name) {
  const std::string placeholder = kHelpName;
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    if (text.compare(at, placeholder.size(), placeholder) == 0) {
      out += name;
      at += placeholder.size();
    } else {
      if (text[at] == '\n') {
        out += TestedLineEnd();
      } else {
        out += text[at];
      }
      ++at;
    }
  }
  return out;
}

// One whole form as the program writes it for a program named name.
inline std::string ExpectedHelp(THelpForm form, const std::string& name) {
  std::string text = std::string(kHelpHeading) + kHelpSyntax;
  if (form == hfShort) {
    text += kHelpPointer;
  } else if (form == hfFull) {
    text += std::string(kHelpOptions) + kHelpExamples;
  } else {
    text += std::string(kHelpOptions) + kHelpDebugOptions + kHelpExamples + kHelpNotes;
  }
  return HelpBytes(text, name);
}

}  // namespace expected
