// Key polling for the pause on POSIX systems (Linux, macOS, the BSDs): the
// terminal's mode while a pause runs, the lock that lets parallel pauses
// share one terminal, and the signals and job control around both.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <termios.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/sysmacros.h>
#endif

#include <string>

#include "core/platform/platform.h"

namespace corvane {

// A key is read from the controlling terminal, whatever standard input is.
// While the pause runs as the foreground job the terminal is non-canonical
// without echo, with its signal keys still working. A background job leaves
// the terminal alone, and one that becomes background hands it back; the
// switch is made at the step boundaries.
//
// Pauses run in parallel (xargs -P, "&" in scripts), so the mode is guarded
// by a lock: only the pause that holds it changes the mode, having saved it
// first, and it puts the mode back before it lets go. The others keep their
// steps without touching the mode and take the lock over when it is free,
// so the terminal always ends with the mode it had before any pause changed
// it. The lock is asked for without waiting, so no pause waits longer than
// its steps.
//
// The lock is a file named after the terminal's device number, in a
// directory that only the user may enter: every pause on one terminal finds
// the same file however it reached the terminal, pauses on other terminals
// find others, and no other user can hold it, nor a program that does not
// look for it there. A pause that cannot have such a file (no private
// directory, or its terminal's device unknown) leaves the mode alone: the
// terminal echoes what is typed, and a line (Enter) ends the pause early.

namespace {

#ifdef NSIG
constexpr int kSignalLimit = NSIG;
#else
constexpr int kSignalLimit = 65;
#endif

int TtyFd = -1;
int LockFd = -1;  // -1: no lock to be had, the mode is never changed
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

// Takes (F_WRLCK) or lets go of (F_UNLCK) the lock, never waiting.
bool SetPauseLock(short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  return fcntl(LockFd, F_SETLK, &lock) == 0;
}

// The one way the terminal goes back: the saved mode, then the lock for the
// next pause. The signal handler runs it too, so it calls only tcsetattr and
// fcntl, both on POSIX's list of async-signal-safe functions, and the
// globals it reads change only while every signal is held back or no
// handler is installed. The mark is cleared first, so a second call does
// nothing.
void HandBackTerminal() {
  if (PauseModeActive == 0) return;
  PauseModeActive = 0;
  tcsetattr(TtyFd, TCSANOW, &SavedTermios);
  SetPauseLock(F_UNLCK);
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
  if (LockFd < 0) return;
  const TSignalHold hold = HoldSignals();
  // Only a lock granted lets the mode change. Refused, it is held by another
  // pause, which has the mode to put back, or the system keeps no locks
  // there; either way the mode is left alone.
  if (SetPauseLock(F_WRLCK)) {
    if (tcgetattr(TtyFd, &SavedTermios) == 0) {
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
    } else {
      SetPauseLock(F_UNLCK);
    }
  }
  ReleaseSignals(hold);
}

bool SetAction(int sig, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigfillset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return sigaction(sig, &action, nullptr) == 0;
}

// Calls only functions on POSIX's async-signal-safe list.
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
// shows it (only then does every system tell its device number), else as
// /dev/tty.
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

struct TTerminalId {
  unsigned Major = 0;
  unsigned Minor = 0;
};

// The device number of the terminal open on fd, however it was reached.
// /dev/tty stands for whichever terminal is the caller's, so its own number
// names none: Linux tells the device behind it; elsewhere only a terminal
// opened by its own name tells, and false means the device is unknown.
bool FindTerminalDevice(int fd, TTerminalId& id) {
#if defined(TIOCGDEV)
  unsigned int encoded = 0;
  if (ioctl(fd, TIOCGDEV, &encoded) == 0) {
    // The kernel's 32-bit form: minor bits 0-7 and 20-31, major bits 8-19.
    id.Major = (encoded >> 8) & 0xfffU;
    id.Minor = (encoded & 0xffU) | ((encoded >> 12) & 0xfff00U);
    return true;
  }
#endif
  struct stat opened {};
  struct stat anyTerminal {};
  if (fstat(fd, &opened) != 0 || !S_ISCHR(opened.st_mode)) return false;
  if (stat("/dev/tty", &anyTerminal) == 0 && anyTerminal.st_rdev == opened.st_rdev) return false;
  id.Major = static_cast<unsigned>(major(opened.st_rdev));
  id.Minor = static_cast<unsigned>(minor(opened.st_rdev));
  return true;
}

// A directory of this user's that nobody else may enter, or -1: no other
// user can make, replace or hold a file in it.
int OpenPrivateDirectory(const char* path) {
  if (path == nullptr || path[0] != '/') return -1;
  const int dir = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  struct stat st {};
  if (dir >= 0 && fstat(dir, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
      (st.st_mode & (S_IRWXG | S_IRWXO)) == 0) {
    return dir;
  }
  if (dir >= 0) close(dir);
  return -1;
}

// The lock file of the terminal open on tty, or -1 when there is none to be
// had. It lives in the user's runtime directory; without one (sudo, cron,
// containers), in /tmp/corvane-<uid>, made here, and refused when someone
// else made it first.
int OpenPauseLock(int tty) {
  TTerminalId id;
  if (!FindTerminalDevice(tty, id)) return -1;
  int dir = OpenPrivateDirectory(getenv("XDG_RUNTIME_DIR"));
  if (dir < 0) {
    const std::string path = "/tmp/corvane-" + std::to_string(geteuid());
    mkdir(path.c_str(), S_IRWXU);  // or it is there already, and checked below
    dir = OpenPrivateDirectory(path.c_str());
  }
  if (dir < 0) return -1;
  // The name says which tools share it, not which tool made it.
  const std::string name =
      "corvane-pause-" + std::to_string(id.Major) + "-" + std::to_string(id.Minor) + ".lock";
  const int lock = openat(dir, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK,
                          S_IRUSR | S_IWUSR);
  close(dir);
  return lock;
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
  LockFd = OpenPauseLock(fd);
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
  // The key that ended the pause and anything typed with it go too, before
  // the lock lets another pause save the mode; in the background the input
  // belongs to another job.
  DiscardInputIfForeground();
  const TSignalHold hold = HoldSignals();
  HandBackTerminal();
  RemovePauseHandlers();
  if (LockFd >= 0) close(LockFd);
  close(TtyFd);
  LockFd = -1;
  TtyFd = -1;
  // A signal that came in meanwhile now takes its usual effect.
  ReleaseSignals(hold);
}

}  // namespace corvane
