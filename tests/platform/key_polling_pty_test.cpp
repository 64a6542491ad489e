// The pause against a real terminal: a pseudo-terminal whose far end the
// test types into and reads from, with the pause running in a child process.
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#if defined(__APPLE__)
#include <util.h>
#elif defined(__FreeBSD__) || defined(__DragonFly__)
#include <libutil.h>
#else
#include <pty.h>
#include <sched.h>
#include <sys/mount.h>
#include <utmp.h>
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program_flow.h"
#include "core/console/core_start.h"
#include "core/console/error_report.h"
#include "corvane/console.h"
#include "core/console/text_stream.h"
#include "core/platform/platform.h"

using namespace corvane;

namespace {

using Clock = std::chrono::steady_clock;

const char kPrompt[] = "Wait:";

struct TPty {
  int Master = -1;
  int Slave = -1;  // kept open by the test to look at the terminal's settings
  termios Before{};
  TPty() {
    if (openpty(&Master, &Slave, nullptr, nullptr, nullptr) != 0) return;
    tcgetattr(Slave, &Before);
    // Something a restore to stock settings would lose, and strict rules for
    // background jobs.
    Before.c_lflag |= TOSTOP;
    Before.c_lflag &= static_cast<tcflag_t>(~ECHOKE);
    tcsetattr(Slave, TCSANOW, &Before);
    tcgetattr(Slave, &Before);
  }
  ~TPty() {
    close(Master);
    close(Slave);
  }
  termios Now() const {
    termios now{};
    tcgetattr(Slave, &now);
    return now;
  }
  void Type(const std::string& keys) const {
    ASSERT_EQ(write(Master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }
};

bool SameSettings(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

bool InPauseMode(const termios& t) {
  return (t.c_lflag & (ICANON | ECHO)) == 0 && (t.c_lflag & ISIG) != 0;
}

// The child's result: 0 when the next line it reads is "after" (whatever was
// typed before and during the pause was discarded), 10 otherwise.
int PauseThenReadALine(int count) {
  BindConsoleStreams();
  WaitWithDots(count, kPrompt);
  FlushAllStreams();
  char line[64];
  ssize_t n = read(STDIN_FILENO, line, sizeof line);
  return n == 6 && std::memcmp(line, "after\n", 6) == 0 ? 0 : 10;
}

// Where a pause's standard input comes from: nullptr keeps all three
// streams on the terminal; otherwise the file named, with the output streams
// on /dev/null, so that the pause reaches its terminal as /dev/tty.
void RedirectStreams(const char* input) {
  if (input == nullptr) return;
  const int in = open(input, O_RDONLY);
  const int null = open("/dev/null", O_WRONLY);
  dup2(in, STDIN_FILENO);
  dup2(null, STDOUT_FILENO);
  dup2(null, STDERR_FILENO);
}

// Rows that need a second user run only where this process may become one.
const char kNoSecondUser[] = "rows with a second user need root to switch to one";
bool SecondUserAllowed() { return geteuid() == 0; }

// Turns this process into a user who neither owns the terminal nor is in
// its group (the uid of "nobody", with or without an account).
bool BecomeSecondUser() {
  const gid_t none = 65534;
  return setgroups(1, &none) == 0 && setgid(none) == 0 && setuid(65534) == 0;
}

template <typename Body>
pid_t ForkOnTerminal(const TPty& pty, Body body) {
  pid_t pid = fork();
  if (pid == 0) {
    close(pty.Master);
    // The test runner's own dispositions (nohup, say) must not change what a
    // signal does to the child.
    for (int sig = 1; sig < NSIG; ++sig) signal(sig, SIG_DFL);
    if (login_tty(pty.Slave) != 0) _exit(99);
    _exit(body());
  }
  return pid;
}

// What one end of a terminal or pipe showed, with the arrival time of the
// prompt and of every dot after it.
struct TTranscript {
  explicit TTranscript(int fd) : Fd(fd) {}
  int Fd = -1;
  std::string Seen;
  Clock::time_point Start = Clock::now();
  Clock::time_point PromptAt{};
  std::vector<Clock::time_point> DotsAt;
  bool Prompted() const { return PromptAt != Clock::time_point{}; }
  int Dots() const { return static_cast<int>(DotsAt.size()); }
  // The prompt line has been closed.
  bool Ended() const {
    std::size_t at = Seen.find(kPrompt);
    return at != std::string::npos && Seen.find('\n', at) != std::string::npos;
  }
  long MsBetween(Clock::time_point a, Clock::time_point b) const {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count());
  }
};

template <typename Done>
bool ReadUntil(TTranscript& t, Done done, int timeoutMs = 5000) {
  Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done(t)) {
    long left = t.MsBetween(Clock::now(), deadline);
    if (left <= 0) return false;
    pollfd input{t.Fd, POLLIN, 0};
    if (poll(&input, 1, static_cast<int>(left)) <= 0) continue;
    char buffer[256];
    ssize_t n = read(t.Fd, buffer, sizeof buffer);
    if (n <= 0) return done(t);
    for (ssize_t i = 0; i < n; ++i) {
      t.Seen += buffer[i];
      if (!t.Prompted() && t.Seen.size() >= sizeof kPrompt - 1 &&
          t.Seen.compare(t.Seen.size() - (sizeof kPrompt - 1), std::string::npos, kPrompt) == 0) {
        t.PromptAt = Clock::now();
      } else if (t.Prompted() && !t.Ended() && buffer[i] == '.') {
        t.DotsAt.push_back(Clock::now());
      }
    }
  }
  return true;
}

// Waits for the child, killing it if it takes longer than the test allows.
int WaitForChild(pid_t pid, int timeoutMs = 5000) {
  Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      ADD_FAILURE() << "the child hung";
      return -1;
    }
    usleep(5000);
  }
  return status;
}

int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

// Runs job in a process group of its own, in the terminal's foreground or
// background, as a job-control shell would. A stopped job is checked and
// continued, or, with resetMode, finds the shell's mode put back as bash
// does. The result: the number of stops when the job exited with 0 and
// every stop found the terminal as before, 20 and up otherwise.
template <typename Job>
int RunAsJob(bool foreground, Job job, bool resetMode = false) {
  signal(SIGTTOU, SIG_IGN);
  termios before{};
  tcgetattr(STDIN_FILENO, &before);
  pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    if (foreground) tcsetpgrp(STDIN_FILENO, getpgrp());
    signal(SIGTTOU, SIG_DFL);
    _exit(job());
  }
  setpgid(pid, pid);
  if (foreground) tcsetpgrp(STDIN_FILENO, pid);
  int stops = 0;
  for (;;) {
    int status = 0;
    if (waitpid(pid, &status, WUNTRACED) < 0) return 20;
    if (WIFEXITED(status)) return WEXITSTATUS(status) == 0 ? stops : 21;
    if (!WIFSTOPPED(status)) return 22;
    termios now{};
    if (resetMode) tcsetattr(STDIN_FILENO, TCSANOW, &before);
    tcgetattr(STDIN_FILENO, &now);
    if (!foreground || !SameSettings(before, now)) {
      kill(pid, SIGKILL);
      return 23;
    }
    ++stops;
    tcsetpgrp(STDIN_FILENO, pid);
    kill(-pid, SIGCONT);
  }
}

}  // namespace

TEST(KeyPollingPty, TypeaheadIsDiscardedAndAnUntouchedPauseRunsEveryStep) {
  TPty pty;
  ASSERT_GE(pty.Master, 0);
  pid_t pid = ForkOnTerminal(pty, [] {
    usleep(200000);  // the typeahead below is waiting by the time the pause starts
    return PauseThenReadALine(4);
  });
  pty.Type("early\nx");
  TTranscript t{pty.Master};
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 1; })) << t.Seen;
  EXPECT_TRUE(InPauseMode(pty.Now()));
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << t.Seen;
  pty.Type("after\n");
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0) << "input from before the pause was kept";
  EXPECT_EQ(t.Dots(), 4) << t.Seen;
  EXPECT_TRUE(SameSettings(pty.Before, pty.Now()));
  ASSERT_EQ(t.Dots(), 4);
  // One step of 250 ms per dot; generous above, since the machine may be busy.
  long total = t.MsBetween(t.PromptAt, t.DotsAt[3]);
  EXPECT_GE(total, 950);
  EXPECT_LE(total, 2500);
  for (int i = 1; i < 4; ++i) EXPECT_GE(t.MsBetween(t.DotsAt[i - 1], t.DotsAt[i]), 150) << i;
}

// Another user of the session takes every lock within its reach, /dev/tty's,
// and tries to open the terminal itself. Reports 'o' on report when it
// could, then 'r' on ready once it holds the locks.
[[noreturn]] void HoldSecondUsersLocks(int report, int ready) {
  const char* terminal = ttyname(STDIN_FILENO);
  if (!BecomeSecondUser()) _exit(1);
  if (open(terminal, O_RDWR | O_NOCTTY) >= 0) static_cast<void>(write(report, "o", 1));
  const int any = open("/dev/tty", O_RDWR | O_NOCTTY);
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  if (any < 0 || fcntl(any, F_SETLK, &whole) != 0 || flock(any, LOCK_EX | LOCK_NB) != 0) _exit(1);
  static_cast<void>(write(ready, "r", 1));
  for (;;) pause();
}

TEST(KeyPollingPty, AKeyDuringTheThirdStepEndsThePauseWithThreeDots) {
  // Also while another program of the owner holds a lock on the terminal
  // device, and while another user holds what it can.
  enum TForeign { fnNone, fnOwnersFlock, fnSecondUser };
  bool skipped = false;
  for (TForeign foreign : {fnNone, fnOwnersFlock, fnSecondUser}) {
    if (foreign == fnSecondUser && !SecondUserAllowed()) {
      skipped = true;
      continue;
    }
    TPty pty;
    ASSERT_GE(pty.Master, 0);
    const int owners = open(ttyname(pty.Slave), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(owners, 0);
    if (foreign == fnOwnersFlock) {
      ASSERT_EQ(flock(owners, LOCK_EX | LOCK_NB), 0);
    }
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    pid_t pid = ForkOnTerminal(pty, [foreign, &report] {
      close(report[0]);
      pid_t second = -1;
      if (foreign == fnSecondUser) {
        int ready[2];
        if (pipe(ready) != 0) return 30;
        second = fork();
        if (second == 0) HoldSecondUsersLocks(report[1], ready[1]);
        close(ready[1]);
        char mark = 0;
        if (read(ready[0], &mark, 1) != 1) return 31;
      }
      close(report[1]);
      const int result = PauseThenReadALine(30);
      if (second > 0) kill(second, SIGKILL);
      return result;
    });
    close(report[1]);
    TTranscript t{pty.Master};
    ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 2; })) << t.Seen;
    usleep(100000);  // well inside the third step
    pty.Type("k");
    ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << t.Seen;
    pty.Type("after\n");
    EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0) << "the key that ended the pause was kept";
    EXPECT_EQ(t.Dots(), 3) << foreign << ": " << t.Seen;
    EXPECT_TRUE(SameSettings(pty.Before, pty.Now()));
    TTranscript reported{report[0]};
    ReadUntil(
        reported, [](const TTranscript&) { return false; }, 100);
    EXPECT_EQ(reported.Seen.find('o'), std::string::npos) << "another user opened the terminal";
    close(report[0]);
    close(owners);
  }
  if (skipped) GTEST_SKIP() << kNoSecondUser;
}

TEST(KeyPollingPty, AnInterruptedPauseLeavesTheTerminalAsItWas) {
  const struct {
    const char* keys;  // typed, or nullptr: the signal is sent
    int signal;
  } cases[] = {{"\x03", SIGINT},   {nullptr, SIGTERM},     {nullptr, SIGHUP},  {nullptr, SIGPIPE},
               {nullptr, SIGUSR1}, {nullptr, SIGUSR2},     {nullptr, SIGALRM}, {nullptr, SIGVTALRM},
               {nullptr, SIGPROF}, {nullptr, SIGRTMIN + 1}};
  for (const auto& c : cases) {
    TPty pty;
    ASSERT_GE(pty.Master, 0);
    pid_t pid = ForkOnTerminal(pty, [] { return PauseThenReadALine(30); });
    TTranscript t{pty.Master};
    ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 1; })) << t.Seen;
    EXPECT_TRUE(InPauseMode(pty.Now()));
    if (c.keys != nullptr) {
      pty.Type(c.keys);
    } else {
      kill(pid, c.signal);
    }
    int status = WaitForChild(pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << c.signal << ": " << status;
    EXPECT_TRUE(SameSettings(pty.Before, pty.Now())) << c.signal;
  }
}

TEST(KeyPollingPty, AStoppedPauseHandsBackTheTerminalAndResumesAfterwards) {
  TPty pty;
  ASSERT_GE(pty.Master, 0);
  pid_t pid = ForkOnTerminal(pty, [] {
    return RunAsJob(true, [] {
      BindConsoleStreams();
      WaitWithDots(7, kPrompt);
      FlushAllStreams();
      return 0;
    });
  });
  TTranscript t{pty.Master};
  // Stopped by Ctrl-Z, then by TTIN and TTOU sent to the job: each time the
  // job control shell checks the terminal, then continues the job.
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 1; })) << t.Seen;
  pty.Type("\x1a");
  for (int sig : {SIGTTIN, SIGTTOU}) {
    const int dots = t.Dots() + 2;
    ASSERT_TRUE(ReadUntil(t, [dots](const TTranscript& s) { return s.Dots() == dots; })) << t.Seen;
    EXPECT_TRUE(InPauseMode(pty.Now())) << "not back in pause mode after the stop";
    kill(-tcgetpgrp(pty.Master), sig);
  }
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << t.Seen;
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 3) << "three stops, the terminal restored for each";
  EXPECT_EQ(t.Dots(), 7);
  EXPECT_TRUE(SameSettings(pty.Before, pty.Now()));
}

#if defined(__linux__)
// As a container that shares /tmp and the user: a devpts instance of its
// own over /dev/pts, where a terminal gets the number named (the host's).
// Runs a pause there; 0 when its terminal came to pause mode, 77 when the
// system allows no mount namespace here, others on failure.
int PauseInOwnDevpts(const std::string& hostName) {
  if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("devpts", "/dev/pts", "devpts", 0, "newinstance,ptmxmode=0666,mode=0620") != 0) {
    return 77;
  }
  int master = -1;
  int slave = -1;
  for (int opened = 0; opened < 256; ++opened) {
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return 70;
    if (hostName == ttyname(slave)) break;
  }
  if (hostName != ttyname(slave)) return 71;
  const pid_t pid = fork();
  if (pid == 0) {
    close(master);
    if (login_tty(slave) != 0) _exit(99);
    BindConsoleStreams();
    WaitWithDots(30, kPrompt);
    _exit(0);
  }
  termios now{};
  Clock::time_point deadline = Clock::now() + std::chrono::seconds(2);
  while (!(tcgetattr(slave, &now) == 0 && InPauseMode(now)) && Clock::now() < deadline) {
    usleep(20000);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return InPauseMode(now) ? 0 : 72;
}
#endif

TEST(KeyPollingPty, PausesAtOnceLeaveEachTerminalAsItWas) {
  // On one terminal, as xargs -P runs them: the later pause ends last, and
  // takes over pause mode when the first has put the terminal back. The
  // first reaches the terminal through its streams or as /dev/tty, sees
  // another runtime directory, or either runs as another user (runuser,
  // sudo): one terminal whichever.
  const struct {
    const char* input;  // the first pause's, as for RedirectStreams
    bool ownRuntimeDir;  // the first has XDG_RUNTIME_DIR, the second none
    int secondUser;      // which pause runs as another user: 1, 2 or 0
  } cases[] = {{nullptr, false, 0}, {"/dev/null", false, 0}, {"/dev/tty", false, 0},
               {nullptr, true, 0},  {nullptr, false, 1},     {nullptr, false, 2},
               {"/dev/null", false, 1}};
  char runtimeDir[] = "/tmp/linewright-runtime-XXXXXX";
  ASSERT_NE(mkdtemp(runtimeDir), nullptr);
  bool skipped = false;
  for (const auto& c : cases) {
    if (c.secondUser != 0 && !SecondUserAllowed()) {
      skipped = true;
      continue;
    }
    const std::string row = std::string(c.input != nullptr ? c.input : "own streams") +
                            (c.ownRuntimeDir ? ", runtime directory" : "") + ", user " +
                            std::to_string(c.secondUser);
    TPty pty;
    ASSERT_GE(pty.Master, 0);
    pid_t pid = ForkOnTerminal(pty, [&c, &runtimeDir] {
      pid_t first = fork();
      if (first == 0) {
        RedirectStreams(c.input);
        if (c.ownRuntimeDir) setenv("XDG_RUNTIME_DIR", runtimeDir, 1);
        if (c.secondUser == 1 && !BecomeSecondUser()) _exit(40);
        BindConsoleStreams();
        WaitWithDots(3, kPrompt);
        FlushAllStreams();
        _exit(0);
      }
      usleep(300000);
      unsetenv("XDG_RUNTIME_DIR");
      if (c.secondUser == 2 && !BecomeSecondUser()) return 41;
      BindConsoleStreams();
      WaitWithDots(10, kPrompt);
      FlushAllStreams();
      return ExitCodeOf(WaitForChild(first));
    });
    TTranscript t{pty.Master};
    ReadUntil(
        t, [](const TTranscript&) { return false; }, 1500);
    EXPECT_TRUE(InPauseMode(pty.Now())) << row << ": the second pause did not take over";
    ReadUntil(
        t, [](const TTranscript&) { return false; }, 1800);
    EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0) << row;
    EXPECT_TRUE(SameSettings(pty.Before, pty.Now())) << row;
  }
  rmdir(runtimeDir);

  // On two terminals at once, each pause has its own terminal in pause mode
  // at once, also when both reach theirs as /dev/tty.
  for (const char* input : {static_cast<const char*>(nullptr), "/dev/null"}) {
    TPty one;
    TPty two;
    ASSERT_GE(two.Master, 0);
    pid_t pids[2];
    int index = 0;
    for (const TPty* each : {&one, &two}) {
      pids[index++] = ForkOnTerminal(*each, [input] {
        RedirectStreams(input);
        BindConsoleStreams();
        WaitWithDots(30, kPrompt);
        return 0;
      });
    }
    Clock::time_point deadline = Clock::now() + std::chrono::seconds(2);
    while (!(InPauseMode(one.Now()) && InPauseMode(two.Now())) && Clock::now() < deadline) {
      usleep(20000);
    }
    EXPECT_TRUE(InPauseMode(one.Now())) << (input != nullptr);
    EXPECT_TRUE(InPauseMode(two.Now())) << (input != nullptr);
    for (pid_t each : pids) kill(each, SIGTERM);
    for (pid_t each : pids) WaitForChild(each);
    EXPECT_TRUE(SameSettings(one.Before, one.Now()));
    EXPECT_TRUE(SameSettings(two.Before, two.Now()));
  }

#if defined(__linux__)
  // Also when the other terminal has the same number in another devpts
  // instance, as in a container.
  TPty host;
  ASSERT_GE(host.Master, 0);
  pid_t hostPause = ForkOnTerminal(host, [] {
    BindConsoleStreams();
    WaitWithDots(30, kPrompt);
    return 0;
  });
  Clock::time_point deadline = Clock::now() + std::chrono::seconds(2);
  while (!InPauseMode(host.Now()) && Clock::now() < deadline) usleep(20000);
  const std::string hostName = ttyname(host.Slave);
  pid_t container = fork();
  if (container == 0) _exit(PauseInOwnDevpts(hostName));
  const int inContainer = ExitCodeOf(WaitForChild(container));
  EXPECT_TRUE(InPauseMode(host.Now()));
  kill(hostPause, SIGTERM);
  WaitForChild(hostPause);
  EXPECT_TRUE(SameSettings(host.Before, host.Now()));
  if (inContainer == 77) GTEST_SKIP() << "no mount namespace for a devpts instance of its own";
  EXPECT_EQ(inContainer, 0) << "the pause in the other devpts instance did not get pause mode";
#endif
  if (skipped) GTEST_SKIP() << kNoSecondUser;
}

TEST(KeyPollingPty, AStoppedPauseTakesTheModeAgainWhenTheShellResetIt) {
  // SIGSTOP cannot be caught: the shell puts its own mode back while the job
  // is stopped, and the pause finds it so when continued.
  TPty pty;
  ASSERT_GE(pty.Master, 0);
  pid_t pid = ForkOnTerminal(pty, [] {
    return RunAsJob(true, [] { return PauseThenReadALine(30); }, true);
  });
  TTranscript t{pty.Master};
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 1; })) << t.Seen;
  kill(-tcgetpgrp(pty.Master), SIGSTOP);
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 3; })) << t.Seen;
  EXPECT_TRUE(InPauseMode(pty.Now())) << "not back in pause mode after the stop";
  pty.Type("k");
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << t.Seen;
  pty.Type("after\n");
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 1) << "one stop, then the key ended the pause";
  EXPECT_LE(t.Dots(), 5) << t.Seen;
  EXPECT_TRUE(SameSettings(pty.Before, pty.Now()));
}

TEST(KeyPollingPty, AStreamThatWaitsNeverHoldsTheTerminalInPauseMode) {
  // The reader of standard error stalls before the prompt, or at a dot: the
  // terminal keeps or gets back its mode while the write waits, and the
  // pause goes on, a key still ending it, once the reader reads again.
  for (bool beforePrompt : {true, false}) {
    TPty pty;
    ASSERT_GE(pty.Master, 0);
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    // Keeps the pipe full with bytes that are neither prompt nor dot.
    auto startFiller = [&out] {
      pid_t filler = fork();
      if (filler == 0) {
        const std::string block(1 << 16, 'x');
        for (;;) static_cast<void>(write(out[1], block.data(), block.size()));
      }
      usleep(200000);
      return filler;
    };
    pid_t filler = beforePrompt ? startFiller() : -1;
    pid_t pid = ForkOnTerminal(pty, [&out] {
      close(out[0]);
      dup2(out[1], STDOUT_FILENO);
      dup2(out[1], STDERR_FILENO);
      return PauseThenReadALine(30);
    });
    TTranscript t{out[0]};
    if (!beforePrompt) {
      ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 1; })) << t.Seen;
      EXPECT_TRUE(InPauseMode(pty.Now()));
      filler = startFiller();
    }
    close(out[1]);
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(1500);
    while (!SameSettings(pty.Before, pty.Now()) && Clock::now() < deadline) usleep(20000);
    usleep(300000);
    EXPECT_TRUE(SameSettings(pty.Before, pty.Now())) << beforePrompt << ": raw while it waits";
    kill(filler, SIGKILL);
    waitpid(filler, nullptr, 0);
    const int dots = t.Dots() + 2;
    ASSERT_TRUE(ReadUntil(t, [dots](const TTranscript& s) { return s.Dots() >= dots; }))
        << beforePrompt;
    EXPECT_TRUE(InPauseMode(pty.Now())) << beforePrompt << ": no pause mode once it reads";
    pty.Type("k");
    ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << beforePrompt;
    pty.Type("after\n");
    EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0) << beforePrompt;
    EXPECT_LT(t.Dots(), 30) << beforePrompt;
    EXPECT_TRUE(SameSettings(pty.Before, pty.Now())) << beforePrompt;
    close(out[0]);
  }
}

TEST(KeyPollingPty, ThePauseNeverTakesAStandardStreamTheProcessLacks) {
  // Whatever the pause opens stays off 0, 1 and 2, so a report meant for a
  // closed standard error fails instead of reaching the terminal or a file.
  static const char* const kArgs[] = {"linewright", "=", "0", "--error-delay"};
  for (int closedFrom : {STDERR_FILENO, STDIN_FILENO}) {
    TPty pty;
    ASSERT_GE(pty.Master, 0);
    pid_t pid = ForkOnTerminal(pty, [closedFrom] {
      for (int fd = closedFrom; fd <= STDERR_FILENO; ++fd) close(fd);
      PlatformStartKeyPolling();
      PlatformKeyPressed();
      for (int fd = closedFrom; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) return 50 + fd;
      }
      PlatformStopKeyPolling();
      PlatformSetArguments(static_cast<int>(std::size(kArgs)), kArgs);
      return RunProgram();
    });
    TTranscript t{pty.Master};
    ReadUntil(
        t, [](const TTranscript&) { return false; }, 500);
    EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), WriteFailedStatus) << closedFrom;
    EXPECT_EQ(t.Seen, "") << closedFrom;
    EXPECT_TRUE(SameSettings(pty.Before, pty.Now())) << closedFrom;
  }
}

TEST(KeyPollingPty, ABackgroundJobNeitherTouchesTheTerminalNorStops) {
  TPty pty;
  ASSERT_GE(pty.Master, 0);
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  pid_t pid = ForkOnTerminal(pty, [&out] {
    return RunAsJob(false, [&out] {
      dup2(out[1], STDOUT_FILENO);
      dup2(out[1], STDERR_FILENO);
      BindConsoleStreams();
      PlatformAlert();
      WaitWithDots(2, kPrompt);
      FlushAllStreams();
      return 0;
    });
  });
  close(out[1]);
  TTranscript t{out[0]};
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 1; })) << t.Seen;
  EXPECT_TRUE(SameSettings(pty.Before, pty.Now()));
  pty.Type("k");  // the foreground's input: it neither ends this pause nor is taken away
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << t.Seen;
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0) << "the background job stopped";
  close(out[0]);
  EXPECT_EQ(t.Seen, std::string(kPrompt) + ".." + std::string(LineEnd) + std::string(LineEnd));
  EXPECT_TRUE(SameSettings(pty.Before, pty.Now()));
  TTranscript terminal{pty.Master};
  ReadUntil(
      terminal, [](const TTranscript&) { return false; }, 100);
  EXPECT_EQ(terminal.Seen, "k") << "only the echo of the key";
}

TEST(KeyPollingPty, APauseBroughtToTheForegroundEndsOnAKeyAndKeepsIt) {
  TPty pty;
  ASSERT_GE(pty.Master, 0);
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  pid_t pid = ForkOnTerminal(pty, [&out] {
    // Started with "&", then "fg" after two steps.
    signal(SIGTTOU, SIG_IGN);
    pid_t job = fork();
    if (job == 0) {
      setpgid(0, 0);
      signal(SIGTTOU, SIG_DFL);
      dup2(out[1], STDOUT_FILENO);
      dup2(out[1], STDERR_FILENO);
      _exit(PauseThenReadALine(30));
    }
    setpgid(job, job);
    usleep(600000);
    tcsetpgrp(STDIN_FILENO, job);
    return ExitCodeOf(WaitForChild(job, 10000));
  });
  close(out[1]);
  TTranscript t{out[0]};
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Dots() == 4; })) << t.Seen;
  EXPECT_TRUE(InPauseMode(pty.Now())) << "the foreground pause did not take the terminal";
  pty.Type("q");
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << t.Seen;
  pty.Type("after\n");
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0) << "the key that ended the pause was kept";
  EXPECT_LE(t.Dots(), 6) << t.Seen;
  close(out[0]);
  EXPECT_TRUE(SameSettings(pty.Before, pty.Now()));
}

TEST(KeyPollingPty, DataNeverDrivesTheTerminalWhileAFileGetsItsBytes) {
  // A title change, a screen wipe, a faked line, a C1 CSI, the 8-bit CSI
  // and a byte that is no UTF-8.
  static const char* const kArgs[] = {"linewright",
                                      "=",
                                      "50",
                                      "\x1b]2;pwned\x07",
                                      "\x1b[2J\x1b[H",
                                      "a\r\nb",
                                      "\xc2\x9b"
                                      "2J",
                                      "\x9b"
                                      "2J",
                                      "\xff"};
  const std::string raw =
      "\x1b]2;pwned\x07 \x1b[2J\x1b[H a\r\nb \xc2\x9b"
      "2J \x9b"
      "2J \xff ";
  const std::string escaped =
      "$'\\x1B']2;pwned$'\\x07' $'\\x1B'[2J$'\\x1B'[H a$'\\x0D'$'\\x0A'b $'\\xC2\\x9B'2J "
      "$'\\x9B'2J $'\\xFF' ";
  const std::string entered =
      "You entered ...... linewright = 50 $'\\x1B'']2;pwned'$'\\x07' $'\\x1B''[2J'$'\\x1B''[H' "
      "'a'$'\\x0D'$'\\x0A''b' $'\\xC2\\x9B''2J' ";
  char fileName[] = "/tmp/linewright-data-XXXXXX";
  const int file = mkstemp(fileName);
  ASSERT_GE(file, 0);
  unlink(fileName);
  for (bool toFile : {false, true}) {
    TPty pty;
    ASSERT_GE(pty.Master, 0);
    pid_t pid = ForkOnTerminal(pty, [toFile, file] {
      if (toFile) dup2(file, STDERR_FILENO);
      PlatformSetArguments(static_cast<int>(std::size(kArgs)), kArgs);
      return RunProgram();
    });
    TTranscript t{pty.Master};
    ReadUntil(
        t, [](const TTranscript&) { return false; }, 1000);
    EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 65);
    std::string shown = t.Seen;
    if (toFile) {
      EXPECT_EQ(shown, "");
      shown.assign(static_cast<std::size_t>(lseek(file, 0, SEEK_END)), '\0');
      ASSERT_EQ(pread(file, shown.data(), shown.size(), 0), static_cast<ssize_t>(shown.size()));
      const std::string eol(LineEnd);
      EXPECT_NE(shown.find(eol + "Invalid Parameters Provided: " + raw + eol), std::string::npos)
          << shown;
    } else {
      for (const char* control : {"\x1b", "\x07", "\x9b", "\xff", "\r\nb"}) {
        EXPECT_EQ(shown.find(control), std::string::npos) << shown;
      }
      EXPECT_NE(shown.find("Invalid Parameters Provided: " + escaped), std::string::npos) << shown;
    }
    // Bytes outside UTF-8 are as typed in a file, escaped on the terminal.
    const std::string stray = toFile ? "\x9b"
                                       "2J \xff"
                                     : "$'\\x9B'2J $'\\xFF'";
    EXPECT_NE(shown.find(entered + stray), std::string::npos) << shown;
  }
  close(file);
}

TEST(KeyPollingPty, TheLinesTheCoreWritesAboutItselfNameTheProgramSafely) {
  // The binary under a name that would drive the terminal: a failed write,
  // and running out of memory; and unlinked before it starts, as during a
  // package upgrade, when the kernel marks its path " (deleted)".
  namespace fs = std::filesystem;
  const struct {
    const char* name;
    std::vector<std::string> args;
    bool fullOutput;
    rlim_t addressSpace;  // 0: no limit
    bool unlinked;
    const char* shown;
  } cases[] = {
      {"lw\x1b[2J", {"=", "3"}, true, 0, false, "lw$'\\x1B'[2J: writing standard output failed"},
      {"lw\x1b]0;T\x07x", std::vector<std::string>(100000, "ab"), false, 12 << 20, false,
       "lw$'\\x1B']0;T$'\\x07'x: out of memory"},
      {"lw", {"-i"}, false, 0, true, "lw v"},
  };
  char dirName[] = "/tmp/linewright-name-XXXXXX";
  ASSERT_NE(mkdtemp(dirName), nullptr);
  for (const auto& c : cases) {
#if defined(__SANITIZE_ADDRESS__)
    if (c.addressSpace > 0) continue;  // a sanitized program reserves terabytes of it
#endif
    const fs::path copy = fs::path(dirName) / c.name;
    fs::copy_file(LINEWRIGHT_BINARY, copy, fs::copy_options::overwrite_existing);
    std::vector<const char*> argv{c.name};
    for (const std::string& arg : c.args) argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    TPty pty;
    ASSERT_GE(pty.Master, 0);
    pid_t pid = ForkOnTerminal(pty, [&c, &copy, &argv] {
      if (c.fullOutput) dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
      const rlimit limit{c.addressSpace, c.addressSpace};
      if (c.addressSpace > 0) setrlimit(RLIMIT_AS, &limit);
      const int binary = open(copy.c_str(), O_RDONLY | O_CLOEXEC);
      if (c.unlinked) unlink(copy.c_str());
      fexecve(binary, const_cast<char* const*>(argv.data()), environ);
      return 98;
    });
    TTranscript t{pty.Master};
    ReadUntil(
        t, [](const TTranscript&) { return false; }, 1000);
    WaitForChild(pid);
    EXPECT_NE(t.Seen.find(c.shown), std::string::npos) << t.Seen;
    EXPECT_EQ(t.Seen.find('\x1b'), std::string::npos) << t.Seen;
    EXPECT_EQ(t.Seen.find("(deleted)"), std::string::npos) << t.Seen;
    fs::remove(copy);
  }
  fs::remove_all(dirName);
}

TEST(KeyPollingPty, TheAlertRingsOnTheTerminalAfterTheReportAndBeforeThePrompt) {
  TPty pty;
  ASSERT_GE(pty.Master, 0);
  pid_t pid = ForkOnTerminal(pty, [] {
    BindConsoleStreams();
    const char* const argv[] = {"Linewright", "="};
    PlatformSetArguments(2, argv);
    ExePath = "/opt/tools/";
    ReportCustomSyntaxError(CustomValidation, "Length missing", true, true);
    FlushAllStreams();
    return 0;
  });
  TTranscript t{pty.Master};
  auto prompted = [](const TTranscript& s) {
    return s.Seen.find("Continue...") != std::string::npos;
  };
  ASSERT_TRUE(ReadUntil(t, prompted)) << t.Seen;
  pty.Type("k");
  ReadUntil(t, [](const TTranscript& s) {
    std::size_t end = s.Seen.find('\n', s.Seen.find("Continue"));
    return end != std::string::npos && s.Seen.find('\n', end + 1) != std::string::npos;
  });
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0);
  std::string shown;
  for (char c : t.Seen) {
    if (c != '\r') shown += c;
  }
  EXPECT_EQ(shown.substr(0, shown.find("Continue")),
            "Invalid or Incomplete Syntax!\n\nExecution Path ... /opt/tools/\n"
            "You entered ...... Linewright =\n\nLength missing\n\n\aPress Any Key to ");
}

TEST(KeyPollingPty, TheAlertNeverGoesIntoRedirectedStreams) {
  TPty pty;
  ASSERT_GE(pty.Master, 0);
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  pid_t pid = ForkOnTerminal(pty, [&out] {
    dup2(out[1], STDOUT_FILENO);
    dup2(out[1], STDERR_FILENO);
    PlatformAlert();
    return 0;
  });
  close(out[1]);
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0);
  TTranscript streams{out[0]};
  ReadUntil(
      streams, [](const TTranscript&) { return false; }, 100);
  close(out[0]);
  TTranscript terminal{pty.Master};
  ReadUntil(
      terminal, [](const TTranscript&) { return false; }, 100);
  EXPECT_EQ(streams.Seen, "");
  EXPECT_EQ(terminal.Seen, "\a");
}

TEST(KeyPollingPty, WithoutATerminalThePauseRunsItsStepsAndReturns) {
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  Clock::time_point start = Clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    close(out[0]);
    setsid();  // no controlling terminal from here on
    int null = open("/dev/null", O_RDONLY);
    dup2(null, STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(out[1], STDERR_FILENO);
    BindConsoleStreams();
    PlatformAlert();
    WaitWithDots(4, kPrompt);
    FlushAllStreams();
    _exit(0);
  }
  close(out[1]);
  TTranscript t{out[0]};
  ASSERT_TRUE(ReadUntil(t, [](const TTranscript& s) { return s.Ended(); })) << t.Seen;
  EXPECT_EQ(ExitCodeOf(WaitForChild(pid)), 0);
  close(out[0]);
  EXPECT_EQ(t.Seen, std::string(kPrompt) + "...." + std::string(LineEnd) + std::string(LineEnd));
  long ms = t.MsBetween(start, Clock::now());
  EXPECT_GE(ms, 950);
  EXPECT_LE(ms, 3000);
}
