// What a tool asks of the platform layer itself: its arguments, the end it
// takes when memory runs out, its name for messages and the line end.
#pragma once

#include <string_view>

namespace corvane {

// The platform's own line end, which every line the core and its programs
// write ends with: the one its shells, files and tools expect.
#ifdef _WIN32
inline constexpr std::string_view LineEnd = "\r\n";
#else
inline constexpr std::string_view LineEnd = "\n";
#endif

// The statuses the core ends a process with on its own, beside the ones a
// program chooses.
inline constexpr int WriteFailedStatus = 1;     // a write to a stream failed
inline constexpr int UnboundStreamStatus = 70;  // a write to a stream never bound
inline constexpr int OutOfMemoryStatus = 71;    // the system refused memory

// Records the process's arguments as delivered and asks the system for the
// executable's path; called once, first, by main.
void PlatformSetArguments(int argc, const char* const* argv);

// From now on a refused allocation ends the process with one line and
// OutOfMemoryStatus instead of an exception nobody handles (an abort, maybe
// a core dump). For a program's main, before PlatformSetArguments, whose
// copies are the first allocations that grow with the command line; never
// from code another program loads, whose host keeps its std::bad_alloc.
void PlatformEndOnOutOfMemory();

// The running program's name for its own messages: the executable's file
// name without its extension, argv[0]'s when the system cannot tell the
// path. Allocates nothing once the path is known (PlatformSetArguments,
// CoreInitialize), so that running out of memory can be reported.
std::string_view PlatformMessageName();

// Writes "<name>: <cause>" and the line end to standard error where that
// still works, then ends the process with the status. Allocates nothing.
[[noreturn]] void PlatformFatalError(std::string_view cause, int status);

// Ends the process with the status at once, skipping the run-time's exit
// work (atexit handlers, static destructors, the hand-over of pending
// text): for a run that has handed every byte over already, and for the
// fatal errors, which may come from inside that exit work.
[[noreturn]] void PlatformEndProcess(int status);

}  // namespace corvane
