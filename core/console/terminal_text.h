// Text from data on its way to a terminal, and the command line as typed.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Appends $'\xHH' with one \xHH per byte of the control.
void AppendEscapedControl(std::string& out, std::string_view bytes);
// The text with every control (ControlLength) escaped; the same text when
// it holds none.
std::string EscapeControls(std::string_view text);
// arg quoted the way a POSIX shell needs it: single quotes where needed,
// controls as $'\xHH' outside them, so it pastes back and never carries a
// raw control to a terminal.
std::string ShellQuoteArgument(std::string_view arg);
// The command line as typed: the raw text where the system keeps it
// (Windows); elsewhere rebuilt from the argument list with shell quoting.
std::string CommandLineAsTyped();

}  // namespace corvane
