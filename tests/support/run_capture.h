// Runs the whole program in-process over given arguments, capturing both
// streams and standing in for the console.
#pragma once

#include <string>
#include <vector>

#include "core/platform/platform.h"

struct TRunResult {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
  std::string Both;
  TConsoleDouble Console;
};

inline const char kTestExePath[] = "/opt/tools/Linewright";

TRunResult RunInProcess(const std::vector<std::string>& args,
                        const std::string& exePath = kTestExePath,
                        const std::string& programName = "Linewright", int keyAfterChecks = -1);

// Captures the streams and the console for the lifetime of the object, with
// the core's state at its start-up defaults and arguments as given.
struct TCaptureScope {
  TOutputCapture Capture;
  TConsoleDouble Console;
  std::vector<std::string> Args;
  explicit TCaptureScope(std::vector<std::string> args = {}, const std::string& exePath = kTestExePath,
                         const std::string& programName = "Linewright");
  ~TCaptureScope();
  TCaptureScope(const TCaptureScope&) = delete;
  TCaptureScope& operator=(const TCaptureScope&) = delete;
};
