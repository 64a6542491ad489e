// What each operating system implements (platform_posix.cpp or
// platform_windows.cpp). platform.cpp routes the public interface here unless
// a test seam is active.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/platform/platform.h"

// The command line as the system keeps it (Windows); nullptr where the system
// hands a process only its argument list (POSIX).
const char* OsRawCommandLine();
std::string OsExecutablePath();
bool OsWrite(TStdStream stream, const char* data, std::size_t size);
bool OsWriteRepeated(TStdStream stream, const char* data, std::size_t size, std::size_t count);
bool OsIsTerminal(TStdStream stream);
[[noreturn]] void OsExit(int status);
void OsStartKeyPolling();
bool OsKeyPressed();
void OsStopKeyPolling();
void OsAlert();
void OsSleep(int milliseconds);
TLocaleFormat OsLocaleFormat();
