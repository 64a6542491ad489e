// What the portable half asks of the OS file (platform_posix.cpp or
// platform_windows.cpp), beside the functions of platform.h it implements.
#pragma once

#include <csignal>
#include <string>
#include <vector>

namespace corvane {

// Full path of the running executable; "" when the system cannot tell.
std::string OsExecutablePath();

#ifdef _WIN32
// The process's arguments, its own name first, as UTF-8 from the system's
// UTF-16 command line; empty when the system cannot give them. argv holds
// them in the ANSI code page, which loses every character outside it.
std::vector<std::string> OsWideArguments();
#else
// True while the pause has the terminal in its mode (key_polling_posix.cpp);
// read by its signal handler.
extern volatile sig_atomic_t OsPauseModeActive;
// Called by PlatformWrite before each write while OsPauseModeActive: a write
// to fd that cannot go through at once hands the terminal back before it
// waits.
void OsYieldTerminalIfBlocked(int fd);
#endif

}  // namespace corvane
