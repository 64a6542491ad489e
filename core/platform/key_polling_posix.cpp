// Key polling for the pause on POSIX systems (Linux, macOS, the BSDs): the
// terminal's mode while a pause runs, the lock that lets parallel pauses
// share one terminal, and the signals and job control around both.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include "core/platform/platform.h"

namespace corvane {

// A key is read from the controlling terminal, whatever standard input is.
// While the pause runs as the foreground job the terminal is non-canonical
// without echo, with its signal keys still working. A background job leaves
// the terminal alone, and one that becomes background hands it back; the
// switch is made at the step boundaries.
//
// Pauses run in parallel (xargs -P, "&" in scripts), so the mode is guarded
// by an advisory lock on the terminal device: only the pause that holds it
// changes the mode, having saved it first, and it puts the mode back before
// it lets go. The others keep their steps without touching the mode and
// take the lock over when it is free, so the terminal always ends with the
// mode it had before any pause changed it. The lock is asked for without
// waiting, so no pause waits longer than its steps.

namespace {

#ifdef NSIG
constexpr int kSignalLimit = NSIG;
#else
constexpr int kSignalLimit = 65;
#endif

int TtyFd = -1;
termios SavedTermios;
// True while this pause holds the lock and has changed the mode; read by
// the signal handler.
volatile sig_atomic_t PauseModeActive = 0;
// Only signals left at their default action are taken over, so the default
// is what goes back.
bool HandlerInstalled[kSignalLimit];

bool IsStopSignal(int sig) { return sig == SIGTSTP || sig == SIGTTIN || sig == SIGTTOU; }

// Whether the default action of a catchable signal ends or stops the process.
bool EndsOrStops(int sig) {
  switch (sig) {
    case SIGKILL:
    case SIGSTOP:
    case SIGCHLD:
    case SIGCONT:
    case SIGURG:
    case SIGWINCH:
#if defined(SIGINFO) && (!defined(SIGPWR) || SIGINFO != SIGPWR)
    case SIGINFO:
#endif
      return false;
    default:
      return true;
  }
}

bool InForeground(int fd) {
  pid_t owner = tcgetpgrp(fd);
  return owner != -1 && owner == getpgrp();
}

// Async-signal-safe: called from the handler as well.
void HandBackTerminal() {
  if (PauseModeActive == 0) return;
  PauseModeActive = 0;
  tcsetattr(TtyFd, TCSANOW, &SavedTermios);
  flock(TtyFd, LOCK_UN);
}

// Runs a change of the terminal with every signal held back: the handler
// never sees it half made, and SIGTTOU cannot stop a process that has just
// become a background job (a held SIGTTOU lets the change through).
struct TSignalHold {
  sigset_t Old;
};

TSignalHold HoldSignals() {
  TSignalHold hold{};
  sigset_t all;
  sigfillset(&all);
  sigprocmask(SIG_BLOCK, &all, &hold.Old);
  return hold;
}

void ReleaseSignals(const TSignalHold& hold) { sigprocmask(SIG_SETMASK, &hold.Old, nullptr); }

void TakeTerminal() {
  const TSignalHold hold = HoldSignals();
  // A lock the system cannot give (no support on this device) leaves this
  // pause to guard the mode alone, as a pause always did.
  const bool locked = flock(TtyFd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
  if (locked && tcgetattr(TtyFd, &SavedTermios) == 0) {
    termios pauseMode = SavedTermios;
    pauseMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | IEXTEN));
    // Ctrl-S would otherwise freeze the dots instead of counting as a key.
    pauseMode.c_iflag &= static_cast<tcflag_t>(~IXON);
    pauseMode.c_cc[VMIN] = 0;
    pauseMode.c_cc[VTIME] = 0;
    // Marked first, so that a signal can never find the mode changed but
    // unmarked.
    PauseModeActive = 1;
    tcsetattr(TtyFd, TCSANOW, &pauseMode);
  } else if (locked) {
    flock(TtyFd, LOCK_UN);
  }
  ReleaseSignals(hold);
}

void OnPauseSignal(int sig);

bool SetAction(int sig, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigfillset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return sigaction(sig, &action, nullptr) == 0;
}

void OnPauseSignal(int sig) {
  int savedErrno = errno;
  HandBackTerminal();
  SetAction(sig, SIG_DFL);
  if (IsStopSignal(sig)) {
    // Stop now as the default would; once continued, the pause goes on and
    // its next step takes the terminal again if it is in the foreground.
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, sig);
    sigset_t old;
    sigprocmask(SIG_UNBLOCK, &unblock, &old);
    // Nothing useful can be done in a handler if raise fails.
    static_cast<void>(raise(sig));
    sigprocmask(SIG_SETMASK, &old, nullptr);
    SetAction(sig, OnPauseSignal);
  } else {
    // Delivered with its usual effect as soon as the handler returns.
    static_cast<void>(raise(sig));
  }
  errno = savedErrno;
}

void InstallPauseHandlers() {
  for (int sig = 1; sig < kSignalLimit; ++sig) {
    HandlerInstalled[sig] = false;
    struct sigaction old {};
    if (!EndsOrStops(sig) || sigaction(sig, nullptr, &old) != 0) continue;
    // An ignored signal stays ignored (nohup, background jobs of scripts),
    // and the system's own signals refuse a handler.
    if ((old.sa_flags & SA_SIGINFO) != 0 || old.sa_handler != SIG_DFL) continue;
    HandlerInstalled[sig] = SetAction(sig, OnPauseSignal);
  }
}

void RemovePauseHandlers() {
  for (int sig = 1; sig < kSignalLimit; ++sig) {
    if (HandlerInstalled[sig]) SetAction(sig, SIG_DFL);
    HandlerInstalled[sig] = false;
  }
}

// The controlling terminal, opened by its own name when a standard stream
// shows it: a lock on /dev/tty would be one lock for every terminal.
int OpenControllingTerminal() {
  const int flags = O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK;
  const pid_t session = getsid(0);
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (isatty(fd) != 1 || tcgetsid(fd) != session) continue;
    const char* name = ttyname(fd);
    const int tty = name != nullptr ? open(name, flags) : -1;
    if (tty >= 0) return tty;
  }
  return open("/dev/tty", flags);
}

void DiscardInputIfForeground() {
  if (!InForeground(TtyFd)) return;
  const TSignalHold hold = HoldSignals();
  tcflush(TtyFd, TCIFLUSH);
  ReleaseSignals(hold);
}

}  // namespace

void PlatformStartKeyPolling() {
  if (TtyFd >= 0) return;
  const int fd = OpenControllingTerminal();
  termios probe{};
  if (fd < 0 || tcgetattr(fd, &probe) != 0) {
    if (fd >= 0) close(fd);
    return;
  }
  TtyFd = fd;
  InstallPauseHandlers();
  if (!InForeground(TtyFd)) return;
  TakeTerminal();
  DiscardInputIfForeground();
}

bool PlatformKeyPressed() {
  if (TtyFd < 0) return false;
  if (!InForeground(TtyFd)) {
    // The terminal belongs to another job now.
    const TSignalHold hold = HoldSignals();
    HandBackTerminal();
    ReleaseSignals(hold);
    return false;
  }
  // In the foreground again after a stop, or the pause that held the lock
  // has ended.
  if (PauseModeActive == 0) TakeTerminal();
  pollfd input{TtyFd, POLLIN, 0};
  if (poll(&input, 1, 0) != 1) return false;
  // A hung-up terminal reports readable forever; it holds no key.
  return (input.revents & POLLIN) != 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

void PlatformStopKeyPolling() {
  if (TtyFd < 0) return;
  const TSignalHold hold = HoldSignals();
  const termios saved = SavedTermios;
  const bool restore = PauseModeActive != 0;
  PauseModeActive = 0;
  if (restore) tcsetattr(TtyFd, TCSANOW, &saved);
  // The key that ended the pause and anything typed with it go too, before
  // the lock lets another pause save the mode; in the background the input
  // belongs to another job.
  if (InForeground(TtyFd)) tcflush(TtyFd, TCIFLUSH);
  RemovePauseHandlers();
  // Closing lets go of the lock.
  close(TtyFd);
  TtyFd = -1;
  // A signal that came in meanwhile now takes its usual effect.
  ReleaseSignals(hold);
}

}  // namespace corvane
