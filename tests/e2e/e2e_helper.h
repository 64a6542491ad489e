// Runs a copy of the built binary in a fresh temporary directory under a
// name the test chooses, capturing both streams as bytes.
#pragma once

#include <string>
#include <vector>

struct TToolRun {
  std::string Name = "Linewright";     // file name of the copy
  std::string DirName = "bin";         // directory made for it in a fresh temp dir
  std::string Stdin;                   // bytes fed to standard input
  std::string StdoutPath;              // when set, standard output goes to this file
  bool CloseStdout = false;            // start with standard output closed
  bool CloseReadEarly = false;         // read one chunk of standard output, then close the pipe
  bool KeepTerminal = false;           // false: run in a new session, with no controlling terminal
  std::vector<std::string> Env;        // extra NAME=value entries
  double TimeoutSeconds = 30;
};

struct TToolResult {
  std::string Out;
  std::string Err;
  int ExitStatus = -1;  // -1 when ended by a signal
  int Signal = 0;
  bool TimedOut = false;
  double Seconds = 0;
  std::string ExePath;  // the copy that ran
};

TToolResult RunTool(const std::vector<std::string>& args, const TToolRun& how = {});

// "\r\n"-joined expectation helper: every line followed by CR LF.
std::string Lines(const std::vector<std::string>& lines);
