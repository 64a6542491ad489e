// The thin layer over the operating system. Only platform_*.cpp include OS
// headers; everything above this line sees bytes, flags and plain records.
// platform.cpp holds what every system shares: the arguments, the program's
// name and the fatal errors. The OS file (platform_posix.cpp or
// platform_windows.cpp) holds the rest and platform_os.h; the unit tests and
// fuzzers link a fake of it instead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/platform.h"

namespace corvane {

enum TStdStream : int { ssOutput = 1, ssError = 2 };

// ---- Process -------------------------------------------------------------

// The arguments after the program's own name, byte for byte.
const std::vector<std::string>& PlatformArguments();

// The command line as the process received it where the system keeps one
// (Windows); nullptr where only the argument list exists (POSIX).
const char* PlatformRawCommandLine();

// Full path of the running executable; "" when the system cannot tell.
// Asked of the system at the first call when PlatformSetArguments was not.
const std::string& PlatformExecutablePath();

// argv[0] as the process received it ("" when there was none).
const std::string& PlatformProgramName();

// ---- Output ----------------------------------------------------------------

// Hands bytes to the OS unbuffered, retrying short writes; false on failure.
bool PlatformWrite(TStdStream stream, const char* data, std::size_t size);

// Hands the same bytes over count times in a row, in as few calls as the
// system allows and without making the copies where it can; false on failure.
bool PlatformWriteRepeated(TStdStream stream, const char* data, std::size_t size,
                           std::size_t count);

// True when the stream is an interactive terminal (line-at-a-time output).
bool PlatformIsTerminal(TStdStream stream);

// Ends the process after a failed write: standard output's failure is told
// on standard error. Never returns.
[[noreturn]] void PlatformFatalWriteError(TStdStream stream);

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
