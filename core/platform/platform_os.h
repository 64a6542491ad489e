// What the portable half asks of the OS file (platform_posix.cpp or
// platform_windows.cpp), beside the functions of platform.h it implements.
#pragma once

#include <string>

namespace corvane {

// The command line as the system keeps it (Windows); nullptr where the system
// hands a process only its argument list (POSIX).
const char* OsRawCommandLine();
// Full path of the running executable; "" when the system cannot tell.
std::string OsExecutablePath();

#ifndef _WIN32
// Called by PlatformWrite before each write, with its descriptor: while the
// pause has the terminal in its mode, a write that cannot go through at once
// hands the terminal back before it waits (key_polling_posix.cpp).
void OsBeforeWrite(int fd);
#endif

}  // namespace corvane
