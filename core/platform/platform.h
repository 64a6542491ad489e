// The thin layer over the operating system. Only platform_*.cpp include OS
// headers; everything above this line sees bytes, flags and plain records.
// platform.cpp holds what every system shares: the process and control
// sections and PlatformFatalWriteError. The OS file (platform_posix.cpp or
// platform_windows.cpp) holds the rest and platform_os.h; the unit tests and
// fuzzers link a fake of it instead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum TStdStream : int { ssOutput = 1, ssError = 2 };

// The platform's own line end, which every line the core and its programs
// write ends with: the one its shells, files and tools expect.
#ifdef _WIN32
inline constexpr std::string_view LineEnd = "\r\n";
#else
inline constexpr std::string_view LineEnd = "\n";
#endif

// ---- Process -------------------------------------------------------------

// Records the process's arguments as delivered and asks the system for the
// executable's path; called once by main.
void PlatformSetArguments(int argc, const char* const* argv);

// The arguments after the program's own name, byte for byte.
const std::vector<std::string>& PlatformArguments();

// The command line as typed: the raw text on Windows; on POSIX rebuilt from
// the argument list with shell quoting, so it can be pasted back and never
// carries raw control bytes to a terminal.
std::string PlatformCommandLine();

// Full path of the running executable; "" when the system cannot tell.
const std::string& PlatformExecutablePath();

// argv[0] as the process received it ("" when there was none).
const std::string& PlatformProgramName();

// Quotes one argument the way a POSIX shell needs it (see PlatformCommandLine).
std::string ShellQuoteArgument(const std::string& arg);

// ---- Controls in text from data ----------------------------------------------
// A terminal acts on C0 bytes, DEL and the UTF-8 forms of C1 (C2 80 to C2 9F),
// and on POSIX every byte outside well-formed UTF-8 counts too (a lone 9B is
// a C1 CSI to some terminals); text taken from data shows each such byte as
// $'\xHH' instead, the notation the shell-quoted command line uses.

// Bytes of the control that starts at pos, which must start a character:
// 0 (none), 1 or 2 (a C1 pair).
std::size_t ControlLength(std::string_view text, std::size_t pos);
// Appends $'\xHH' with one \xHH per byte of the control.
void AppendEscapedControl(std::string& out, std::string_view bytes);
// The text with every control escaped; the same text when it holds none.
std::string EscapeControls(std::string_view text);

// ---- Output ----------------------------------------------------------------

// Hands bytes to the OS unbuffered, retrying short writes; false on failure.
bool PlatformWrite(TStdStream stream, const char* data, std::size_t size);

// Hands the same bytes over count times in a row, in as few calls as the
// system allows and without making the copies where it can; false on failure.
bool PlatformWriteRepeated(TStdStream stream, const char* data, std::size_t size,
                           std::size_t count);

// True when the stream is an interactive terminal (line-at-a-time output).
bool PlatformIsTerminal(TStdStream stream);

// The statuses the core ends a process with on its own, beside the ones a
// program chooses.
inline constexpr int WriteFailedStatus = 1;     // a write to a stream failed
inline constexpr int UnboundStreamStatus = 70;  // a write to a stream never bound
inline constexpr int OutOfMemoryStatus = 71;    // the system refused memory

// The running program's name for its own messages: the executable's file
// name without its extension, argv[0]'s when the system cannot tell the
// path. Allocates nothing, so that running out of memory can be reported.
std::string_view PlatformMessageName();

// Writes "<name>: <cause>" and the line end to standard error where that still
// works, then ends the process with the status. Allocates nothing.
[[noreturn]] void PlatformFatalError(std::string_view cause, int status);

// Ends the process after a failed write: standard output's failure is told
// on standard error. Never returns.
[[noreturn]] void PlatformFatalWriteError(TStdStream stream);

// Ends the process with the status at once, skipping the run-time's exit
// work (atexit handlers, static destructors): for a run that has handed
// every byte over already, and for the fatal errors, which may come from
// inside that exit work.
[[noreturn]] void PlatformEndProcess(int status);

// ---- Console input and feedback --------------------------------------------

// On POSIX (key_polling_posix.cpp) keys come from the controlling terminal,
// switched to pass single keys for the pause. Where parallel pauses on it
// cannot be kept apart, it is left as it is, and the key is a line (Enter).

// Starts watching the keyboard and discards input already waiting.
void PlatformStartKeyPolling();
// Non-blocking: has a key been pressed since polling started?
bool PlatformKeyPressed();
// Stops watching, discards pending input and restores the terminal.
void PlatformStopKeyPolling();
// The system's alert sound; never written to standard output or error.
void PlatformAlert();
void PlatformSleep(int milliseconds);

// ---- Locale ------------------------------------------------------------------

// A month the system names none for stays "": the banner shows it in English.
struct TLocaleFormat {
  std::string ShortMonthNames[12];
  char TimeSeparator = ':';
  char DateSeparator = '/';
};

// The date and time conventions of the locale the system names for dates.
TLocaleFormat PlatformLocaleFormat();

}  // namespace corvane
