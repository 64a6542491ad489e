// POSIX implementation of the platform layer (Linux, macOS, the BSDs).
#include <errno.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <cstring>

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

bool OsIsTerminal(TStdStream stream) {
  return isatty(stream == ssOutput ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

void OsExit(int status) { _exit(status); }

// ---- Console input -----------------------------------------------------------

void OsStartKeyPolling() {}

bool OsKeyPressed() { return false; }

void OsStopKeyPolling() {}

void OsAlert() {}

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
    char conversion = p[1];
    if (conversion == 'E' || conversion == 'O') conversion = p[2];
    if (conversion == 'H' || conversion == 'I' || conversion == 'k' || conversion == 'l') {
      const char* after = p + (p[1] == conversion ? 2 : 3);
      if (*after != '\0' && *after != '%') return *after;
      return ':';
    }
    if (conversion == 'T' || conversion == 'R') return ':';
  }
  return ':';
}

}  // namespace

TLocaleFormat OsLocaleFormat() {
  // Only the banner's dates follow the locale, so the locale is taken here,
  // for LC_TIME alone, and never at start-up.
  TLocaleFormat format;
  static const char* const kEnglish[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  locale_t loc = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  for (int m = 0; m < 12; ++m) {
    const char* name = loc != static_cast<locale_t>(0) ? nl_langinfo_l(ABMON_1 + m, loc) : nullptr;
    format.ShortMonthNames[m] = (name != nullptr && *name != '\0') ? name : kEnglish[m];
  }
  format.TimeSeparator = loc != static_cast<locale_t>(0) ? TimeSeparatorOf(nl_langinfo_l(T_FMT, loc)) : ':';
  if (loc != static_cast<locale_t>(0)) freelocale(loc);
  return format;
}
