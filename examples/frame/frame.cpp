// frame <text> [width]: the text in a frame, at least width wide, for scripts.
// One record per option gives its search, help line, completions and checks.
#include <corvane/corvane.h>

#include <algorithm>

using namespace corvane;
CORVANE_BUILD_STAMP;

int main(int argc, char** argv) {
  PlatformSetArguments(argc, argv);
  CoreInitialize();
  SetAppInfo(AppInfo, "1.0.0", "1.0.0.1", "Frame text for scripts", "frame", false);
  CoreState.ParamMatchMode = pmAttachedValues;  // -w=30 and -w:30 as well as -w 30
  std::string text, border = "*", shell;
  std::int32_t width = 0;
  bool help = false;
  GetSlotText(ParamStatus, text, 1);
  GetSlotNumber(ParamStatus, width, 2);
  TOptionRec options[] = {
      {.Aliases = "w width", .Kind = okNumber, .Number = &width, .Default = width, .Max = 200,
       .Required = true, .Help = "Width inside the frame, 0 to 200 (default 0: the text's)"},
      {.Aliases = "c char", .Kind = okText, .Text = &border, .Required = true,
       .Help = "The frame's character (default *)"},
      {.Aliases = "completion", .Kind = okText, .Text = &shell, .Required = true,
       .Help = "Write the completion script for bash, zsh or fish"},
      {.Aliases = "h help ?", .Given = &help, .Help = "Display this help message"},
  };
  DefineOptions(options);
  const std::string_view synopsis = "<text> [width] [-w <width>] [-c <char>]";
  if (help) {
    ShowBanner(AppInfo, false, true);
    WriteUsage(options, synopsis, false);
    ExitCode = 255;
  } else if (!shell.empty()) {
    if (!WriteCompletion(options, shell)) ExitCode = 65;
  } else if (CheckOptions(options, 1, synopsis) == 0) {
    const std::string rule(std::max<std::size_t>(text.size(), width) + 4, border[0]);
    text.resize(rule.size() - 4, ' ');
    for (const std::string& line : {rule, rule.substr(0, 1) + " " + text + " " + rule[0], rule}) {
      WriteData(ConsoleOut, line);  // text from the command line: never raw to a terminal
      WriteLine(ConsoleOut);
    }
  }
  CoreFinalize();
  return ExitCode;
}
