#include "tests/e2e/e2e_helper.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "corvane/options.h"
#include "core/base/text.h"
#include "core/platform/platform.h"
#include "tests/support/expected_rules.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshDirectory() {
  std::string pattern = (fs::temp_directory_path() / "linewright-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

void SetNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

std::string FromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

// Read on each use: static tables of other files may ask before this file's statics exist.
std::string Binary() { return FromEnvironment("LINEWRIGHT_E2E_BINARY", LINEWRIGHT_BINARY); }
std::string Launcher() { return FromEnvironment("LINEWRIGHT_E2E_LAUNCHER", ""); }

// Enough of each system's quoting for the arguments the tests show whole: a
// POSIX shell's single quotes, or the double quotes Wine writes into the
// Windows command line, around an empty argument or one with a blank.
std::string Quoted(const std::string& text, char quote) {
  const bool blank = text.find(' ') != std::string::npos || text.find('\t') != std::string::npos;
  return text.empty() || blank ? quote + text + quote : text;
}

// A Unix path as a Windows program under Wine sees it: on drive Z:.
std::string WinePath(const fs::path& path) {
  std::string text = "Z:" + path.string();
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

}  // namespace

bool UnderLauncher() { return !Launcher().empty(); }

// A binary run through a launcher is the Windows build, whose lines end in CR LF.
std::string_view expected::TestedLineEnd() { return UnderLauncher() ? "\r\n" : corvane::LineEnd; }
std::string ProgramFileName() { return fs::path(Binary()).filename().string(); }
std::string ProgramBaseName() { return fs::path(Binary()).stem().string(); }

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + Nl("\n");
  return out;
}

std::string Repeat(int count, const std::string& line) {
  return Lines(std::vector<std::string>(static_cast<std::size_t>(count), line));
}

void ExpectRun(const TRunCase& c) {
  for (const std::string& a : c.Args) {
    char32_t cp = 0;
    std::size_t at = 0;
    // Stops at the first byte outside UTF-8, if there is one.
    for (std::size_t n = 1; at < a.size() && n > 0; at += n) n = corvane::DecodeUtf8(a, at, cp);
    if (at < a.size()) {
      SKIP_UNDER_LAUNCHER(
          "a Windows program gets Unicode arguments: bytes outside UTF-8 never reach it");
    }
  }
  TToolRun how;
  how.AddressSpace = c.AddressSpace;
  if (how.AddressSpace > 0) {
    SKIP_UNDER_LAUNCHER("the launcher needs address space of its own");
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a sanitized program reserves terabytes of address space";
#endif
  }
  TToolResult r = RunTool(c.Args, how);
  SCOPED_TRACE(r.CommandLine.substr(0, 200));
  EXPECT_EQ(r.ExitStatus, c.Code);
  EXPECT_EQ(r.Out, c.Out);
  EXPECT_TRUE(c.Code == 0 ? r.Err.empty() : r.Err.find(c.Complaint) != std::string::npos)
      << r.Err.substr(0, 2000);
}

TToolResult RunTool(const std::vector<std::string>& args, const TToolRun& how) {
  TToolResult result;
  fs::path root = fs::canonical(FreshDirectory());
  fs::path dir = root / how.DirName;
  fs::create_directories(dir);
  fs::path exe = dir / how.Name;
  fs::copy_file(Binary(), exe);
  fs::permissions(exe, fs::perms::owner_all);
  const char quote = UnderLauncher() ? '"' : '\'';
  result.ExeDir = Quoted(UnderLauncher() ? WinePath(dir) + "\\" : dir.string() + "/", '"');
  result.CommandLine = UnderLauncher() ? '"' + WinePath(exe) + '"' : how.Name;
  for (const std::string& a : args) result.CommandLine += " " + Quoted(a, quote);

  int inPipe[2], outPipe[2], errPipe[2];
  if (pipe(inPipe) != 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0)
    throw std::runtime_error("pipe");

  std::vector<std::string> argvText{how.Name};
  if (UnderLauncher()) argvText = {Launcher(), exe.string()};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argvText) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> envText = how.Env;  // first, so that getenv finds them
  for (char** e = environ; *e != nullptr; ++e) envText.emplace_back(*e);
  std::vector<char*> envp;
  for (std::string& e : envText) envp.push_back(e.data());
  envp.push_back(nullptr);

  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    setsid();  // no controlling terminal
    if (how.AddressSpace > 0) {
      const rlimit limit{how.AddressSpace, how.AddressSpace};
      setrlimit(RLIMIT_AS, &limit);
    }
    signal(SIGPIPE, SIG_DFL);
    dup2(inPipe[0], 0);
    if (how.CloseStdout) {
      close(1);
    } else if (!how.StdoutPath.empty()) {
      int fd = open(how.StdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(fd, 1);
      close(fd);
    } else {
      dup2(outPipe[1], 1);
    }
    dup2(errPipe[1], 2);
    for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) close(fd);
    execve(UnderLauncher() ? argvText[0].c_str() : exe.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(inPipe[0]);
  close(outPipe[1]);
  close(errPipe[1]);
  if (!how.Stdin.empty()) {
    ssize_t ignored = write(inPipe[1], how.Stdin.data(), how.Stdin.size());
    (void)ignored;
  }
  close(inPipe[1]);

  SetNonBlocking(outPipe[0]);
  SetNonBlocking(errPipe[0]);
  int outFd = outPipe[0], errFd = errPipe[0];
  char buffer[65536];
  int status = 0;
  bool ended = false;
  while (outFd >= 0 || errFd >= 0) {
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (elapsed > how.TimeoutSeconds) {
      result.TimedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    if (poll(fds, 2, 100) <= 0) {
      // An ended program's pipes, once drained, are done with, even when the
      // services that Wine starts with its first program hold them open.
      if (ended) break;
      ended = waitpid(pid, &status, WNOHANG) == pid;
      continue;
    }
    for (int k = 0; k < 2; ++k) {
      int& fd = k == 0 ? outFd : errFd;
      if (fd < 0 || (fds[k].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
      ssize_t n = read(fd, buffer, sizeof buffer);
      if (n > 0) {
        (k == 0 ? result.Out : result.Err).append(buffer, static_cast<size_t>(n));
        if (k == 0 && how.CloseReadEarly) {
          close(fd);
          fd = -1;
        }
      } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        close(fd);
        fd = -1;
      }
    }
  }
  if (outFd >= 0) close(outFd);
  if (errFd >= 0) close(errFd);
  if (!ended) waitpid(pid, &status, 0);
  result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (WIFEXITED(status)) result.ExitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
  std::error_code ignored;
  fs::remove_all(root, ignored);
  return result;
}
