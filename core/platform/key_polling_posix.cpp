// Key polling for the pause on POSIX systems (Linux, macOS, the BSDs): the
// terminal's mode while a pause runs, the lock that lets parallel pauses
// share one terminal, and the signals and job control around both.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "core/platform/platform.h"
#include "core/platform/platform_os.h"

namespace corvane {

// A key is read from the controlling terminal, whatever standard input is.
// While the pause runs as the foreground job the terminal is non-canonical
// without echo, with its signal keys still working. The mode is switched at
// the step boundaries, the first of them after the prompt, so a report or
// prompt that cannot be handed over at once waits with the mode untouched,
// and a later write that would wait hands the terminal back first
// (OsYieldTerminalIfBlocked). A background job leaves the terminal alone,
// and one that becomes background hands it back. A pause that finds its mode changed
// under it (a shell resets the mode when SIGSTOP stops a job) takes what it
// finds as the mode to put back and switches again.
//
// Pauses run in parallel (xargs -P, "&" in scripts, runuser or sudo in one
// session), so the mode is guarded by a lock: only the pause that holds it
// changes the mode, having saved it first, and it puts the mode back before
// it lets go. The others keep their steps without touching the mode and
// take the lock over when it is free, so the terminal always ends with the
// mode it had before any pause changed it. The lock is asked for without
// waiting, so no pause waits longer than its steps.
//
// The lock is a record lock on a byte of the terminal device's own node
// (/dev/pts/3, never /dev/tty, which stands for every terminal): pauses on
// one terminal meet at one inode whatever their user, their environment or
// the path by which they reached it, and pauses on other terminals, other
// devpts instances included, lock other inodes. Taking it needs that node
// open for writing: opened by its path, which only the terminal's owner,
// its group's writers and root may do, or a standard stream on it that one
// of them handed down (runuser, sudo without a terminal of its own).
// Whoever can take it could set the terminal's mode anyway. It is a lock of
// the process (fcntl), not of the open file: a standard stream is one open
// file shared by every process of the session. A pause that cannot take it
// (no such node, or another program's lock on the whole device) leaves the
// mode alone: the terminal echoes what is typed, and a line (Enter) ends
// the pause early.

// True while this pause holds the lock and has changed the mode.
volatile sig_atomic_t OsPauseModeActive = 0;

namespace {

#ifdef NSIG
constexpr int kSignalLimit = NSIG;
#else
constexpr int kSignalLimit = 65;
#endif

// The byte locked: one of its own, past the start where another program's
// lock on part of the device would most likely be.
constexpr off_t kLockedByte = 0x10000;

int TtyFd = -1;
bool CanLock = false;  // false: no lock to be had, the mode is never changed
termios SavedTermios;
termios PauseTermios;  // the mode as set, to see a change made under the pause
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
  lock.l_start = kLockedByte;
  lock.l_len = 1;
  return fcntl(TtyFd, F_SETLK, &lock) == 0;
}

// The one way the terminal goes back: the saved mode, then the lock for the
// next pause. The signal handler runs it too, so it calls only tcsetattr and
// fcntl, both on POSIX's list of async-signal-safe functions, and the
// globals it reads change only while every signal is held back or no
// handler is installed. The mark is cleared first, so a second call does
// nothing.
void HandBackTerminal() {
  if (OsPauseModeActive == 0) return;
  OsPauseModeActive = 0;
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

void HandBackTerminalHeld() {
  const TSignalHold hold = HoldSignals();
  HandBackTerminal();
  ReleaseSignals(hold);
}

bool SameMode(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// Saves the mode given as the one to put back and switches from it; the
// lock is held and so are the signals.
void SwitchMode(const termios& from) {
  SavedTermios = from;
  termios pauseMode = from;
  pauseMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | IEXTEN));
  // Ctrl-S would otherwise freeze the dots instead of counting as a key.
  pauseMode.c_iflag &= static_cast<tcflag_t>(~IXON);
  pauseMode.c_cc[VMIN] = 0;
  pauseMode.c_cc[VTIME] = 0;
  // Marked first, so that a signal can never find the mode changed but
  // unmarked.
  OsPauseModeActive = 1;
  tcsetattr(TtyFd, TCSANOW, &pauseMode);
  // The driver may keep some flags its own way; what it holds is the mark.
  if (tcgetattr(TtyFd, &PauseTermios) != 0) PauseTermios = pauseMode;
}

void TakeTerminal() {
  if (!CanLock) return;
  const TSignalHold hold = HoldSignals();
  // Only a lock granted lets the mode change. Refused, it is held by another
  // pause, which has the mode to put back, or by a program that is none;
  // either way the mode is left alone.
  if (SetPauseLock(F_WRLCK)) {
    termios now{};
    if (tcgetattr(TtyFd, &now) == 0) {
      SwitchMode(now);
    } else {
      SetPauseLock(F_UNLCK);
    }
  }
  ReleaseSignals(hold);
}

// The mode is still the pause's, or whoever changed it (a shell while
// SIGSTOP held the pause, the user's stty) set the mode to put back.
void KeepPauseMode() {
  const TSignalHold hold = HoldSignals();
  termios now{};
  if (OsPauseModeActive != 0 && tcgetattr(TtyFd, &now) == 0 && !SameMode(now, PauseTermios)) {
    SwitchMode(now);
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

// Every descriptor the pause keeps is above the standard streams, so that
// one they lack never becomes the pause's: a report written to it would
// reach the terminal or a file of the pause's.
int AboveStandardStreams(int fd) {
  if (fd < 0 || fd > STDERR_FILENO) return fd;
  const int moved = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  close(fd);
  return moved;
}

bool IsSessionTerminal(int fd, pid_t session) {
  return isatty(fd) == 1 && tcgetsid(fd) == session;
}

// The path of the own node of the terminal open on fd, however it was
// reached; "" when the system does not tell. Linux names the device behind
// /dev/tty and /dev/console; elsewhere, opening /dev/tty gives the terminal
// itself, whose name ttyname finds.
std::string TerminalNodePath(int fd) {
#if defined(TIOCGDEV)
  unsigned int encoded = 0;
  if (ioctl(fd, TIOCGDEV, &encoded) == 0) {
    // The kernel's 32-bit form: minor bits 0-7 and 20-31, major bits 8-19.
    const unsigned major = (encoded >> 8) & 0xfffU;
    const unsigned minor = (encoded & 0xffU) | ((encoded >> 12) & 0xfff00U);
    // Pseudo-terminals (majors 136 to 143) live in devpts, not in sysfs.
    if (major >= 136 && major <= 143) {
      return "/dev/pts/" + std::to_string((major - 136) * 256 + minor);
    }
    const std::string device = "/sys/dev/char/" + std::to_string(major) + ":" + std::to_string(minor);
    char link[256];
    const ssize_t n = readlink(device.c_str(), link, sizeof link);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof link) return "";
    const std::string target(link, static_cast<std::size_t>(n));
    return "/dev/" + target.substr(target.rfind('/') + 1);
  }
#endif
  const char* name = ttyname(fd);
  if (name == nullptr || strcmp(name, "/dev/tty") == 0) return "";
  return name;
}

// A descriptor of the node at path for the lock, or -1: a standard stream
// on that very node, open for writing, else the node opened by its path.
int OpenTerminalNode(const std::string& path, pid_t session) {
  struct stat node {};
  if (path.empty() || stat(path.c_str(), &node) != 0) return -1;
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    struct stat stream {};
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY || !IsSessionTerminal(fd, session) ||
        fstat(fd, &stream) != 0 || stream.st_dev != node.st_dev || stream.st_ino != node.st_ino) {
      continue;
    }
    const int copy = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    if (copy >= 0) return copy;
  }
  const int fd =
      AboveStandardStreams(open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
  // A name from another devpts instance is another terminal.
  if (fd >= 0 && IsSessionTerminal(fd, session)) return fd;
  if (fd >= 0) close(fd);
  return -1;
}

// The controlling terminal, on its own node when that can be had (CanLock),
// else as a standard stream or /dev/tty shows it; -1 when there is none.
int OpenControllingTerminal() {
  const pid_t session = getsid(0);
  int reached = -1;
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (!IsSessionTerminal(fd, session)) continue;
    reached = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    break;
  }
  if (reached < 0) {
    reached = AboveStandardStreams(open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
  }
  if (reached < 0) return -1;
  const int node = OpenTerminalNode(TerminalNodePath(reached), session);
  CanLock = node >= 0;
  if (node < 0) return reached;
  close(reached);
  return node;
}

void DiscardInputIfForeground() {
  if (!InForeground(TtyFd)) return;
  const TSignalHold hold = HoldSignals();
  tcflush(TtyFd, TCIFLUSH);
  ReleaseSignals(hold);
}

}  // namespace

void OsYieldTerminalIfBlocked(int fd) {
  pollfd output{fd, POLLOUT, 0};
  if (poll(&output, 1, 0) == 1 && (output.revents & POLLOUT) != 0) return;
  // The write may wait for as long as its reader likes; the next step takes
  // the terminal again.
  HandBackTerminalHeld();
}

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
  // The mode changes at the first step, once the prompt is out.
  DiscardInputIfForeground();
}

bool PlatformKeyPressed() {
  if (TtyFd < 0) return false;
  if (!InForeground(TtyFd)) {
    // The terminal belongs to another job now.
    HandBackTerminalHeld();
    return false;
  }
  if (OsPauseModeActive == 0) {
    // The first step, in the foreground again after a stop, after a write
    // that waited, or the pause that held the lock has ended.
    TakeTerminal();
  } else {
    KeepPauseMode();
  }
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
  close(TtyFd);
  TtyFd = -1;
  CanLock = false;
  // A signal that came in meanwhile now takes its usual effect.
  ReleaseSignals(hold);
}

}  // namespace corvane
