// POSIX implementation of the platform layer (Linux, macOS, the BSDs).
#include <errno.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/uio.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

#if defined(__APPLE__)
#include <mach-o/dyld.h>
#elif defined(__FreeBSD__) || defined(__DragonFly__)
#include <sys/sysctl.h>
#include <sys/types.h>
#endif

#include "core/platform/platform.h"
#include "core/platform/platform_os.h"

namespace corvane {

const char* OsRawCommandLine() { return nullptr; }

std::string OsExecutablePath() {
  char buffer[4096];
#if defined(__APPLE__)
  uint32_t size = sizeof buffer;
  if (_NSGetExecutablePath(buffer, &size) != 0) return "";
  return buffer;
#elif defined(__FreeBSD__) || defined(__DragonFly__)
  int mib[4] = {CTL_KERN, KERN_PROC, KERN_PROC_PATHNAME, -1};
  size_t size = sizeof buffer;
  if (sysctl(mib, 4, buffer, &size, nullptr, 0) != 0) return "";
  return std::string(buffer);
#else
#if defined(__NetBSD__)
  const char* link = "/proc/curproc/exe";
#else
  const char* link = "/proc/self/exe";
#endif
  ssize_t n = readlink(link, buffer, sizeof buffer);
  if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) return "";
  return std::string(buffer, static_cast<size_t>(n));
#endif
}

bool PlatformWrite(TStdStream stream, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = write(stream == ssOutput ? STDOUT_FILENO : STDERR_FILENO, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool PlatformWriteRepeated(TStdStream stream, const char* data, std::size_t size,
                           std::size_t count) {
  if (size == 0) return true;
  // One gather write names the same bytes again and again, so the copies are
  // never made. A page of entries per call keeps the stack it touches small,
  // and a call hands over at most SSIZE_MAX bytes (no object is larger, so
  // one copy always fits).
  constexpr std::size_t kEntries = 256;
  const std::size_t fit = static_cast<std::size_t>(std::numeric_limits<ssize_t>::max()) / size;
  const std::size_t perCall = std::min(kEntries, fit);
  iovec entries[kEntries];
  // Later calls hand over no more copies than the first.
  std::fill_n(entries, std::min(count, perCall), iovec{const_cast<char*>(data), size});
  const int fd = stream == ssOutput ? STDOUT_FILENO : STDERR_FILENO;
  while (count > 0) {
    const std::size_t batch = std::min(count, perCall);
    const ssize_t n = writev(fd, entries, static_cast<int>(batch));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    // A short write (a signal, a full device) ends inside some copy: finish it.
    const std::size_t done = static_cast<std::size_t>(n);
    count -= done / size;
    const std::size_t into = done % size;
    if (into > 0) {
      if (!PlatformWrite(stream, data + into, size - into)) return false;
      --count;
    }
  }
  return true;
}

bool PlatformIsTerminal(TStdStream stream) {
  return isatty(stream == ssOutput ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

void PlatformEndProcess(int status) {
  // A write can fail while the pause holds the terminal; never leave it without echo.
  PlatformStopKeyPolling();
  _exit(status);
}

// ---- Console input -----------------------------------------------------------

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

void PlatformAlert() {
  // The bell goes to the terminal only, never into a redirected stream; a
  // background job keeps quiet, since with TOSTOP writing would stop it.
  int fd = open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return;
  if (InForeground(fd)) {
    while (write(fd, "\a", 1) < 0 && errno == EINTR) {
    }
  }
  close(fd);
}

void PlatformSleep(int milliseconds) {
  if (milliseconds <= 0) return;
  timespec pause{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

// ---- Locale -------------------------------------------------------------------

namespace {

// The separator that follows the hours in a strftime time format, ":" when
// the format has none.
char TimeSeparatorOf(const char* format) {
  for (const char* p = format; p != nullptr && *p != '\0'; ++p) {
    if (p[0] != '%' || p[1] == '\0') continue;
    if (p[1] == '%') {
      ++p;
      continue;
    }
    char conversion = p[1];
    if (conversion == 'E' || conversion == 'O') conversion = p[2];
    if (conversion == 'H' || conversion == 'I' || conversion == 'k' || conversion == 'l') {
      // A separator of more than one byte (a multi-byte letter) cannot be shown as one.
      const unsigned char after = static_cast<unsigned char>(p[p[1] == conversion ? 2 : 3]);
      return after != '\0' && after != '%' && after < 0x80 ? static_cast<char>(after) : ':';
    }
    if (conversion == 'T' || conversion == 'R') return ':';
  }
  return ':';
}

}  // namespace

// Whether the environment names the C locale for dates (C, POSIX or a C
// locale with a codeset such as C.UTF-8), whose names and separators are
// fixed: loading it would read the locale files only to learn them.
bool TimeLocaleIsC() {
  const char* name = nullptr;
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    name = std::getenv(variable);
    if (name != nullptr && *name != '\0') break;
    name = nullptr;
  }
  if (name == nullptr) return true;
  const std::string_view locale(name);
  return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

TLocaleFormat PlatformLocaleFormat() {
  // Only the banner's dates follow the locale, so the locale is taken here,
  // for LC_TIME alone, and never at start-up. Static glibc answers
  // nl_langinfo_l from the C locale, so the locale is made current instead.
  TLocaleFormat format;
  if (TimeLocaleIsC()) return format;
  // POSIX spells "no locale" (locale_t)0, and locale_t need not be a pointer.
  const locale_t kNoLocale{};
  locale_t loc = newlocale(LC_TIME_MASK, "", kNoLocale);
  if (loc == kNoLocale) return format;
  locale_t previous = uselocale(loc);
  for (int m = 0; m < 12; ++m) {
    const char* name = nl_langinfo(ABMON_1 + m);
    if (name != nullptr) format.ShortMonthNames[m] = name;
  }
  format.TimeSeparator = TimeSeparatorOf(nl_langinfo(T_FMT));
  uselocale(previous);
  freelocale(loc);
  return format;
}

}  // namespace corvane
