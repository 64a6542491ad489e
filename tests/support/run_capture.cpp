#include "tests/support/run_capture.h"

#include "app/program_flow.h"
#include "core/console/core_state.h"
#include "core/console/text_stream.h"

TRunResult RunInProcess(const std::vector<std::string>& args, const std::string& exePath,
                        const std::string& programName, int keyAfterChecks) {
  TOutputCapture capture;
  TRunResult result;
  result.Console.KeyAfterChecks = keyAfterChecks;
  PlatformUseTestArguments(&args, programName, exePath);
  PlatformUseOutputCapture(&capture);
  PlatformUseConsoleDouble(&result.Console);
  result.ExitCode = RunProgram();
  PlatformUseConsoleDouble(nullptr);
  PlatformUseOutputCapture(nullptr);
  PlatformUseTestArguments(nullptr, "", "");
  result.Out = std::move(capture.Out);
  result.Err = std::move(capture.Err);
  result.Both = std::move(capture.Both);
  return result;
}

TCaptureScope::TCaptureScope(std::vector<std::string> args, const std::string& exePath,
                             const std::string& programName)
    : Args(std::move(args)) {
  PlatformUseTestArguments(&Args, programName, exePath);
  PlatformUseOutputCapture(&Capture);
  PlatformUseConsoleDouble(&Console);
  CoreRestoreDefaults();
  CoreInitialize();
}

TCaptureScope::~TCaptureScope() {
  FlushAllStreams();
  CoreRestoreDefaults();
  PlatformUseConsoleDouble(nullptr);
  PlatformUseOutputCapture(nullptr);
  PlatformUseTestArguments(nullptr, "", "");
}
