// What the portable half asks of the OS file (platform_posix.cpp or
// platform_windows.cpp), beside the functions of platform.h it implements.
#pragma once

#include <string>
#include <vector>

namespace corvane {

// The command line as the system keeps it (Windows, as UTF-8); nullptr where
// the system hands a process only its argument list (POSIX).
const char* OsRawCommandLine();
// Full path of the running executable; "" when the system cannot tell.
std::string OsExecutablePath();

#ifdef _WIN32
// The process's arguments, its own name first, as UTF-8 from the system's
// UTF-16 command line; empty when the system cannot give them. argv holds
// them in the ANSI code page, which loses every character outside it.
std::vector<std::string> OsWideArguments();
#else
// Called by PlatformWrite before each write, with its descriptor: while the
// pause has the terminal in its mode, a write that cannot go through at once
// hands the terminal back before it waits (key_polling_posix.cpp).
void OsBeforeWrite(int fd);
#endif

}  // namespace corvane
