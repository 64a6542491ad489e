// Runs a copy of the binary under test in a fresh temporary directory under a
// name the test chooses, capturing both streams as bytes. The binary is
// LINEWRIGHT_E2E_BINARY (default: this build's), started through
// LINEWRIGHT_E2E_LAUNCHER when that is set (the Wine loader for the Windows build).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/support/expected_rules.h"

using expected::Nl;
using expected::NlPattern;

bool UnderLauncher();
std::string ProgramFileName();  // the binary under test's file name
std::string ProgramBaseName();  // the same without its extension, as banner and help show it

// For what only a POSIX build shows (arguments as raw bytes, glibc's locales)
// or what the launcher itself disturbs.
#define SKIP_UNDER_LAUNCHER(why) \
  if (UnderLauncher()) GTEST_SKIP() << (why)

struct TToolRun {
  std::string Name = ProgramFileName();  // file name of the copy
  std::string DirName = "bin";           // directory made for it in a fresh temp dir
  std::string Stdin;                     // bytes fed to standard input
  std::string StdoutPath;                // when set, standard output goes to this file
  bool CloseStdout = false;              // start with standard output closed
  bool CloseReadEarly = false;           // read one chunk of standard output, then close the pipe
  std::vector<std::string> Env;          // NAME=value entries that win over the test's own
  std::size_t AddressSpace = 0;          // bytes the program may map (RLIMIT_AS); 0: no limit
  double TimeoutSeconds = 30;
};

struct TToolResult {
  std::string Out;
  std::string Err;
  int ExitStatus = -1;  // -1 when ended by a signal
  int Signal = 0;
  bool TimedOut = false;
  double Seconds = 0;
  std::string ExeDir;       // the copy's directory and
  std::string CommandLine;  // the command line, as the syntax-error report shows them
};

TToolResult RunTool(const std::vector<std::string>& args, const TToolRun& how = {});

// Every line followed by the line end.
std::string Lines(const std::vector<std::string>& lines);

// The same line, ended by the line end, `count` times.
std::string Repeat(int count, const std::string& line);

// A run with its outcome: status 0, exactly Out on standard output and nothing
// on standard error; or status Code, nothing on standard output and Complaint
// within standard error. Arguments outside UTF-8 skip the test under a
// launcher: a Windows program gets its arguments as Unicode. A case run in a
// limited address space is skipped under a launcher and in sanitized builds,
// whose programs need far more address space than memory.
struct TRunCase {
  std::vector<std::string> Args;
  std::string Out;
  int Code = 0;
  std::string Complaint = {};
  std::size_t AddressSpace = 0;
};
void ExpectRun(const TRunCase& c);
