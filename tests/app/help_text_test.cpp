#include "app/help_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/console/core_start.h"
#include "core/console/text_stream.h"
#include "tests/support/expected_help.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

namespace {

using expected::ExpectedHelp;
using expected::THelpForm;

std::string CaptureHelp(const std::string& name, bool shortHelp, bool verbose) {
  TCaptureScope scope;
  AppInfo.BaseName = name;
  VerboseParam.Found = verbose;
  DisplayHelpSyntax(shortHelp);
  FlushAllStreams();
  return scope.Capture.Out;
}

// The lines of a CR LF text; a trailing line end closes the last line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(LineEnd, start)) != std::string::npos;
       start = end + LineEnd.size()) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

std::size_t CountOf(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = text.find(word, at)) != std::string::npos; ++at) ++count;
  return count;
}

struct THelpCase {
  const char* Label;
  bool ShortHelp;
  bool Verbose;
  THelpForm Form;
  std::size_t LineCount;
  std::size_t NameCount;
  std::vector<std::size_t> DashLengths;
};

const std::vector<THelpCase> kCases = {
    {"short", true, false, expected::hfShort, 11, 6, {11}},
    {"short, verbose", true, true, expected::hfShort, 11, 6, {11}},
    {"full", false, false, expected::hfFull, 36, 13, {11, 19, 16}},
    {"extended", false, true, expected::hfExtended, 74, 14, {11, 19, 16, 20, 25, 18}},
};

TEST(HelpText, EachFormIsWrittenWordForWord) {
  for (const THelpCase& c : kCases) {
    std::string out = CaptureHelp("Repeater", c.ShortHelp, c.Verbose);
    EXPECT_EQ(out, ExpectedHelp(c.Form, "Repeater")) << c.Label;
    EXPECT_EQ(SplitLines(out).size(), c.LineCount) << c.Label;
    EXPECT_EQ(CountOf(out, "Repeater"), c.NameCount) << c.Label;
  }
}

TEST(HelpText, NameStandsAtEveryPlaceAsGiven) {
  for (const std::string name : {"my Tool", "LW2", ""}) {
    for (const THelpCase& c : kCases) {
      std::string out = CaptureHelp(name, c.ShortHelp, c.Verbose);
      EXPECT_EQ(out, ExpectedHelp(c.Form, name)) << c.Label << " for " << name;
      if (!name.empty()) {
        EXPECT_EQ(CountOf(out, name), c.NameCount) << c.Label << " for " << name;
      }
    }
  }
}

TEST(HelpText, HeadingsAreFramedByDashLinesOfTheirLength) {
  for (const THelpCase& c : kCases) {
    std::vector<std::string> lines = SplitLines(CaptureHelp("Repeater", c.ShortHelp, c.Verbose));
    std::vector<std::size_t> lengths;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
      const std::string& dashes = lines[i];
      if (dashes.empty() || dashes.find_first_not_of('-') != std::string::npos) continue;
      lengths.push_back(dashes.size());
      EXPECT_EQ(lines[i + 1].size(), dashes.size()) << c.Label << ": " << lines[i + 1];
      EXPECT_EQ(lines[i + 2], dashes) << c.Label;
      ASSERT_LT(i + 3, lines.size()) << c.Label;
      EXPECT_FALSE(lines[i + 3].empty()) << c.Label << ": blank line after " << lines[i + 1];
      i += 2;
    }
    EXPECT_EQ(lengths, c.DashLengths) << c.Label;
  }
}

TEST(HelpText, LinesArePlainAsciiWithoutTrailingBlanks) {
  for (const THelpCase& c : kCases) {
    for (const std::string& line : SplitLines(CaptureHelp("Repeater", c.ShortHelp, c.Verbose))) {
      EXPECT_FALSE(line.ends_with(' ')) << c.Label << ": " << line;
      for (char ch : line) EXPECT_TRUE(ch >= ' ' && ch <= '~') << c.Label << ": " << line;
    }
  }
}

TEST(HelpText, OptionDescriptionsAndExitCodesLineUp) {
  std::string section;
  std::size_t optionLines = 0;
  std::size_t codeLines = 0;
  for (const std::string& line : SplitLines(CaptureHelp("Repeater", false, true))) {
    if (line.find_first_not_of('-') == std::string::npos) continue;  // dash lines, empty lines
    if (line.ends_with(':') && !line.starts_with(' ')) {
      section = line;
    } else if (section == "OPTION DEFINITIONS:") {
      ++optionLines;
      // One-letter forms at the 2nd character, long-only ones under the long forms.
      EXPECT_TRUE((line.starts_with(" -") && line[2] != '-') || line.starts_with("     --"))
          << line;
      // The description starts at the 30th character, after the dot leader.
      ASSERT_GT(line.size(), 30u) << line;
      EXPECT_EQ(line.substr(27, 2), ". ") << line;
      EXPECT_NE(line[29], ' ') << line;
    } else if (section == "EXIT/RETURN CODES:" && line.starts_with("   ")) {
      ++codeLines;
      // Right-aligned: blanks, then digits whose last stands at the 7th character.
      std::size_t first = line.find_first_not_of(' ');
      EXPECT_EQ(line.find_first_not_of("0123456789", first), 7u) << line;
      EXPECT_EQ(line.substr(7, 3), " - ") << line;
    }
  }
  EXPECT_EQ(optionLines, 12u);
  EXPECT_EQ(codeLines, 5u);
}

TEST(HelpText, EveryCallWritesTheWholeForm) {
  TCaptureScope scope;
  AppInfo.BaseName = "Repeater";
  DisplayHelpSyntax(false);
  DisplayHelpSyntax(true);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out, ExpectedHelp(expected::hfFull, "Repeater") +
                                   ExpectedHelp(expected::hfShort, "Repeater"));
}

TEST(HelpText, FollowsConsoleOutToStandardError) {
  TCaptureScope scope;
  AppInfo.BaseName = "Repeater";
  RebindConsoleOutToErr();
  DisplayHelpSyntax(true);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out, "");
  EXPECT_EQ(scope.Capture.Err, ExpectedHelp(expected::hfShort, "Repeater"));
}

}  // namespace
