#include "core/options/option_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/console/core_start.h"
#include "corvane/console.h"
#include "core/console/text_stream.h"
#include "corvane/options.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

// Linewright's own option lines, written from records, come out as its help
// text has them: the family's layout.
TEST(WriteOptionLines, LayOutSpellingsAndDotsAsTheFamilyDoes) {
  const TOptionRec options[] = {
      {.Aliases = "L Len Length", .Help = "Display the length of the string"},
      {.Aliases = "n number quantity", .Help = "Select the number of lines"},
      {.Aliases = "h2 ?? help2", .Help = "Display extended help information."},
      {.Aliases = "version-only", .Help = "Display build information."},
      {.Aliases = "x extraordinarily-long", .Help = "Two dots at the least"},
  };
  TCaptureScope scope;
  WriteOptionLines(options);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out,
            Nl(" -L, --Len, --Length ....... Display the length of the string\n"
               " -n, --number, --quantity .. Select the number of lines\n"
               "     --h2, --??, --help2 ... Display extended help information.\n"
               "     --version-only ........ Display build information.\n"
               " -x, --extraordinarily-long .. Two dots at the least\n"));
}

// A required number is checked where FindNumberParam would fall back; the
// checks run in the family's order and name what was typed.
TEST(CheckOptions, GiveTheFamilysCodesAndNameWhatWasTyped) {
  const struct {
    std::vector<std::string> args;
    std::int32_t code;
    const char* complaint;
    std::int32_t width;
  } cases[] = {
      {{}, 64, "Missing Essential Parameters (e.g. <text> ", 0},
      {{"hi"}, 0, nullptr, 7},
      {{"hi", "-w", "12"}, 0, nullptr, 12},
      {{"hi", "-w=0x10"}, 0, nullptr, 16},
      {{"hi", "-n", "abc"}, 0, nullptr, 7},  // not required: the default, as ever
      {{"hi", "-w", "abc"}, 65, "Invalid Parameters Provided: -w abc ", -1},
      {{"hi", "-w", "25abc"}, 65, "Invalid Parameters Provided: -w 25abc ", -1},
      {{"hi", "-w", "-5"}, 65, "Invalid Parameters Provided: -w -5 ", -1},
      {{"hi", "--width:201"}, 65, "Invalid Parameters Provided: --width:201 ", -1},
      {{"hi", "-w", "a b"}, 65, "Invalid Parameters Provided: -w \"a b\" ", -1},
      {{"hi", "-w="}, 67, "Incomplete Parameters Provided: -w= ", -1},
      {{"hi", "-w"}, 67, "Incomplete Parameters Provided: -w ", -1},
      {{"hi", "-c"}, 67, "Incomplete Parameters Provided: -c ", -1},
      {{"hi", "-w", "abc", "-c"}, 67, "Incomplete Parameters Provided: -c ", -1},
      {{"hi", "1", "--bogus"}, 65, "Invalid Parameters Provided: --bogus ", -1},
  };
  for (const auto& c : cases) {
    TCaptureScope scope(c.args);
    CoreState.ParamMatchMode = pmAttachedValues;
    std::int32_t width = 0;
    std::int32_t lines = 0;
    std::string border = "*";
    std::string text;
    std::int32_t slot = 0;
    GetSlotText(ParamStatus, text, 1);
    GetSlotNumber(ParamStatus, slot, 2);
    TOptionRec options[] = {
        {.Aliases = "w width",
         .Kind = okNumber,
         .Number = &width,
         .Default = 7,
         .Max = 200,
         .Required = true},
        {.Aliases = "n", .Kind = okNumber, .Number = &lines, .Default = 7},
        {.Aliases = "c", .Kind = okText, .Text = &border, .Required = true},
    };
    DefineOptions(options);
    EXPECT_EQ(CheckOptions(options, 1, "<text> [width]"), c.code) << c.args.size();
    FlushAllStreams();
    if (c.complaint == nullptr) {
      EXPECT_EQ(scope.Capture.Err, "");
      EXPECT_EQ(width, c.width);
    } else {
      EXPECT_NE(scope.Capture.Err.find(Nl("\n") + c.complaint), std::string::npos)
          << scope.Capture.Err;
      EXPECT_NE(scope.Capture.Err.find(Nl("CMD SYNTAX:\n-----------\n Linewright <text> [width]")),
                std::string::npos);
    }
    EXPECT_EQ(ExitCode, c.code);
  }
}

// The help text reaches each shell intact: quotes and the characters zsh's
// option descriptions give a meaning to are escaped.
TEST(WriteCompletion, QuotesTheHelpForEachShellAndKnowsNoOther) {
  const TOptionRec options[] = {{.Aliases = "w width", .Kind = okNumber, .Help = "it's [0:9]"},
                                {.Aliases = "?"}};
  const struct {
    const char* shell;
    const char* script;
  } cases[] = {
      {"bash",
       "_Linewright() {\n  COMPREPLY=($(compgen -W '-w --width -?' -- "
       "\"${COMP_WORDS[COMP_CWORD]}\"))\n"
       "}\ncomplete -o default -F _Linewright 'Linewright'\n"},
      {"zsh",
       "#compdef Linewright\n_arguments \\\n  '-w[it'\\''s \\[0\\:9\\]]:value: ' \\\n"
       "  '--width[it'\\''s \\[0\\:9\\]]:value: ' \\\n  '-?[]' \\\n  '*: :_default'\n"},
      {"fish",
       "complete -c 'Linewright' -o 'w' -l 'width' -x -d 'it\\'s [0:9]'\n"
       "complete -c 'Linewright' -o '?' -d ''\n"},
      {"tcsh", ""},
  };
  for (const auto& c : cases) {
    TCaptureScope scope;
    EXPECT_EQ(WriteCompletion(options, c.shell), *c.script != '\0') << c.shell;
    FlushAllStreams();
    EXPECT_EQ(scope.Capture.Out, c.script) << c.shell;
  }
}
