// POSIX implementation of the platform layer (Linux, macOS, the BSDs).
#include <errno.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

#if defined(__APPLE__)
#include <mach-o/dyld.h>
// Older SDKs declare newlocale and uselocale only here, not in <locale.h>.
#include <xlocale.h>
#elif defined(__FreeBSD__) || defined(__DragonFly__)
#include <sys/sysctl.h>
#include <sys/types.h>
#endif

#include "core/platform/platform.h"
#include "core/platform/platform_os.h"

namespace corvane {

const char* PlatformRawCommandLine() { return nullptr; }

#if !defined(__APPLE__) && !defined(__FreeBSD__) && !defined(__DragonFly__)
namespace {

// The kernel adds " (deleted)" to the path of a file unlinked since it was
// started (a package upgrade replaced it); it is part of the name only when
// a file of that very name is the one running. The size of the path without
// it; path holds size bytes and room for one more.
std::size_t SizeWithoutDeletedMark(char* path, std::size_t size, const char* link) {
  constexpr std::string_view kDeleted = " (deleted)";
  path[size] = '\0';
  struct stat named {};
  struct stat running {};
  if (std::string_view(path, size).ends_with(kDeleted) &&
      !(stat(path, &named) == 0 && stat(link, &running) == 0 && named.st_dev == running.st_dev &&
        named.st_ino == running.st_ino)) {
    return size - kDeleted.size();
  }
  return size;
}

}  // namespace
#endif

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
  std::size_t size = static_cast<size_t>(n);
  // Every run passes here: only the last byte is tested on the way.
  if (buffer[size - 1] == ')') size = SizeWithoutDeletedMark(buffer, size, link);
  return std::string(buffer, size);
#endif
}

bool PlatformWrite(TStdStream stream, const char* data, std::size_t size) {
  const int fd = stream == ssOutput ? STDOUT_FILENO : STDERR_FILENO;
  while (size > 0) {
    if (OsPauseModeActive != 0) OsYieldTerminalIfBlocked(fd);
    ssize_t n = write(fd, data, size);
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

// ---- Feedback ----------------------------------------------------------------

// Key polling is in key_polling_posix.cpp.

void PlatformAlert() {
  // The bell goes to the terminal only, never into a redirected stream; a
  // background job keeps quiet, since with TOSTOP writing would stop it.
  int fd = open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return;
  if (tcgetpgrp(fd) == getpgrp()) {
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
