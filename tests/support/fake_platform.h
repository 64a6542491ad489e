// The platform the unit tests and fuzzers link in place of the OS file: the
// program runs in-process, its output is captured, a double is its console.
#pragma once

#include <string>
#include <vector>

#include "fuzz/program_invariants.h"

using expected::Nl;
using expected::NlPattern;

struct TOutputCapture {
  std::string Out;   // what reached standard output
  std::string Err;   // what reached standard error
  std::string Both;  // both, in the order handed to the OS
  int WriteCalls = 0;
  bool OutIsTerminal = false;  // standard error never is
};

struct TConsoleDouble {
  int KeyAfterChecks = -1;  // the check with this 1-based number sees a key; -1 never
  int Checks = 0;
  int Sleeps = 0;
  int SleptMs = 0;
  int Alerts = 0;
  int Starts = 0;
  int Stops = 0;
};

// What the program wrote and asked of its console since the last start.
extern TOutputCapture FakeOutput;
extern TConsoleDouble FakeConsole;

// One whole run of /opt/tools/Linewright over args, as a fresh process.
fuzzcheck::TProgramOutcomeRec RunInProcess(const std::vector<std::string>& args);

// Captures the streams and the console for the lifetime of the object, with
// the core's state at its start-up defaults and arguments as given.
struct TCaptureScope {
  TOutputCapture& Capture = FakeOutput;
  TConsoleDouble& Console = FakeConsole;
  explicit TCaptureScope(const std::vector<std::string>& args = {},
                         const std::string& exePath = "/opt/tools/Linewright",
                         const std::string& programName = "Linewright");
  ~TCaptureScope();
};
