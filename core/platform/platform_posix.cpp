// POSIX implementation of the platform layer (Linux, macOS, the BSDs).
#include <errno.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
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

#include "core/platform/platform_os.h"

std::vector<std::string> OsArguments(int argc, char** argv) {
  std::vector<std::string> args;
  if (argc > 1) args.reserve(static_cast<std::size_t>(argc - 1));
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

std::string OsCommandLine(const std::vector<std::string>& args, const std::string& programName) {
  std::string line = ShellQuoteArgument(programName);
  for (const std::string& arg : args) {
    line += ' ';
    line += ShellQuoteArgument(arg);
  }
  return line;
}

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

bool OsWrite(TStdStream stream, const char* data, std::size_t size) {
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

bool OsWriteRepeated(TStdStream stream, const char* data, std::size_t size, std::size_t count) {
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
      if (!OsWrite(stream, data + into, size - into)) return false;
      --count;
    }
  }
  return true;
}

bool OsIsTerminal(TStdStream stream) {
  return isatty(stream == ssOutput ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

void OsExit(int status) {
  // A write can fail while the pause holds the terminal; never leave it without echo.
  OsStopKeyPolling();
  _exit(status);
}

// ---- Console input -----------------------------------------------------------

// A key is read from the controlling terminal, whatever standard input is.
// While the pause runs the terminal is non-canonical without echo, with its
// signal keys still working; it is put back as it was when the pause ends or
// the process is interrupted. A background job, or a process without a
// terminal, leaves the terminal alone: no key can end its pause.

namespace {

int TtyFd = -1;
termios SavedTermios;
// True while the terminal may be in pause mode; read by the signal handler.
volatile sig_atomic_t PauseModeActive = 0;

// What ends or stops a process by default and may arrive during a pause.
// SIGPIPE is here because the dots may go to a pipe whose reader has gone.
const int kPauseSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGTSTP};
const int kPauseSignalCount = static_cast<int>(sizeof kPauseSignals / sizeof kPauseSignals[0]);
struct sigaction OldActions[kPauseSignalCount];
bool HandlerInstalled[kPauseSignalCount];

int PauseSignalIndex(int sig) {
  for (int i = 0; i < kPauseSignalCount; ++i) {
    if (kPauseSignals[i] == sig) return i;
  }
  return -1;
}

sigset_t PauseSignalSet(bool withTtou) {
  sigset_t set;
  sigemptyset(&set);
  for (int sig : kPauseSignals) sigaddset(&set, sig);
  // Putting the terminal back must work even from the background, where the
  // kernel would otherwise stop the process for touching it.
  if (withTtou) sigaddset(&set, SIGTTOU);
  return set;
}

bool InForeground(int fd) {
  pid_t owner = tcgetpgrp(fd);
  return owner != -1 && owner == getpgrp();
}

// Async-signal-safe: called from the handler as well.
void RestoreTerminal() {
  if (PauseModeActive == 0) return;
  PauseModeActive = 0;
  tcsetattr(TtyFd, TCSANOW, &SavedTermios);
}

void EnterPauseMode() {
  termios pauseMode = SavedTermios;
  pauseMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | IEXTEN));
  // Ctrl-S would otherwise freeze the dots instead of counting as a key.
  pauseMode.c_iflag &= static_cast<tcflag_t>(~IXON);
  pauseMode.c_cc[VMIN] = 0;
  pauseMode.c_cc[VTIME] = 0;
  sigset_t block = PauseSignalSet(false);
  sigset_t old;
  sigprocmask(SIG_BLOCK, &block, &old);
  // Marked first, so that a signal can never find the terminal changed but
  // unmarked.
  PauseModeActive = 1;
  tcsetattr(TtyFd, TCSANOW, &pauseMode);
  sigprocmask(SIG_SETMASK, &old, nullptr);
}

void OnPauseSignal(int sig) {
  int savedErrno = errno;
  RestoreTerminal();
  int index = PauseSignalIndex(sig);
  if (index >= 0) {
    // Zeroed, so that a failed swap leaves a defined record to reinstall.
    struct sigaction ours {};
    sigaction(sig, &OldActions[index], &ours);
    if (sig == SIGTSTP) {
      // Stop now as the default would; once continued, the pause goes on
      // and the next key check puts the terminal back into pause mode.
      sigset_t unblock;
      sigemptyset(&unblock);
      sigaddset(&unblock, SIGTSTP);
      sigset_t old;
      sigprocmask(SIG_UNBLOCK, &unblock, &old);
      // Nothing useful can be done in a handler if raise fails.
      static_cast<void>(raise(SIGTSTP));
      sigprocmask(SIG_SETMASK, &old, nullptr);
      sigaction(SIGTSTP, &ours, nullptr);
    } else {
      // Delivered with its usual effect as soon as the handler returns.
      static_cast<void>(raise(sig));
    }
  }
  errno = savedErrno;
}

void InstallPauseHandlers() {
  struct sigaction ours {};
  ours.sa_handler = OnPauseSignal;
  ours.sa_mask = PauseSignalSet(true);
  ours.sa_flags = SA_RESTART;
  for (int i = 0; i < kPauseSignalCount; ++i) {
    HandlerInstalled[i] = false;
    if (sigaction(kPauseSignals[i], nullptr, &OldActions[i]) != 0) continue;
    // An ignored signal stays ignored (nohup, background jobs of scripts).
    if ((OldActions[i].sa_flags & SA_SIGINFO) == 0 && OldActions[i].sa_handler == SIG_IGN) continue;
    HandlerInstalled[i] = sigaction(kPauseSignals[i], &ours, nullptr) == 0;
  }
}

void RemovePauseHandlers() {
  for (int i = 0; i < kPauseSignalCount; ++i) {
    if (HandlerInstalled[i]) sigaction(kPauseSignals[i], &OldActions[i], nullptr);
    HandlerInstalled[i] = false;
  }
}

}  // namespace

void OsStartKeyPolling() {
  if (TtyFd >= 0) return;
  int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return;
  if (!InForeground(fd) || tcgetattr(fd, &SavedTermios) != 0) {
    close(fd);
    return;
  }
  TtyFd = fd;
  InstallPauseHandlers();
  EnterPauseMode();
  tcflush(TtyFd, TCIFLUSH);
}

bool OsKeyPressed() {
  if (TtyFd < 0 || !InForeground(TtyFd)) return false;
  // Back in the foreground after a stop: the terminal was put back then.
  if (PauseModeActive == 0) EnterPauseMode();
  pollfd input{TtyFd, POLLIN, 0};
  if (poll(&input, 1, 0) != 1) return false;
  // A hung-up terminal reports readable forever; it holds no key.
  return (input.revents & POLLIN) != 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

void OsStopKeyPolling() {
  if (TtyFd < 0) return;
  sigset_t block = PauseSignalSet(true);
  sigset_t old;
  sigprocmask(SIG_BLOCK, &block, &old);
  RestoreTerminal();
  // The key that ended the pause and anything typed with it go too; in the
  // background the input belongs to another job.
  if (InForeground(TtyFd)) tcflush(TtyFd, TCIFLUSH);
  RemovePauseHandlers();
  close(TtyFd);
  TtyFd = -1;
  // A signal that came in meanwhile now takes its usual effect.
  sigprocmask(SIG_SETMASK, &old, nullptr);
}

void OsAlert() {
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

void OsSleep(int milliseconds) {
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

TLocaleFormat OsLocaleFormat() {
  // Only the banner's dates follow the locale, so the locale is taken here,
  // for LC_TIME alone, and never at start-up. Static glibc answers
  // nl_langinfo_l from the C locale, so the locale is made current instead.
  TLocaleFormat format;
  static const char* const kEnglish[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (TimeLocaleIsC()) {
    for (int m = 0; m < 12; ++m) format.ShortMonthNames[m] = kEnglish[m];
    return format;
  }
  // POSIX spells "no locale" (locale_t)0, and locale_t need not be a pointer.
  const locale_t kNoLocale{};
  locale_t loc = newlocale(LC_TIME_MASK, "", kNoLocale);
  locale_t previous = loc != kNoLocale ? uselocale(loc) : kNoLocale;
  for (int m = 0; m < 12; ++m) {
    const char* name = loc != kNoLocale ? nl_langinfo(ABMON_1 + m) : nullptr;
    format.ShortMonthNames[m] = (name != nullptr && *name != '\0') ? name : kEnglish[m];
  }
  if (loc != kNoLocale) {
    format.TimeSeparator = TimeSeparatorOf(nl_langinfo(T_FMT));
    uselocale(previous);
    freelocale(loc);
  }
  return format;
}
