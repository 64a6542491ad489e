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

}  // namespace corvane
