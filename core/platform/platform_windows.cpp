// Windows implementation of the platform layer. Everything is byte-oriented:
// the narrow (ANSI code page) command line in, raw bytes out through the
// standard handles, with no CRT text mode anywhere in between.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <cstring>

#include "core/platform/platform.h"
#include "core/platform/platform_os.h"

// mingw-w64's CRT can be built to expand wildcards in argv; this program's
// "Linewright * 40" means the character "*", never the names of files.
extern "C" {
int _dowildcard = 0;
}

namespace corvane {

const char* OsRawCommandLine() {
  const char* line = GetCommandLineA();
  return line != nullptr ? line : "";
}

std::string OsExecutablePath() {
  // A result that fills the buffer may be cut short: grow and ask again.
  std::string path(MAX_PATH, '\0');
  while (path.size() <= 65536) {
    DWORD size = static_cast<DWORD>(path.size());
    DWORD n = GetModuleFileNameA(nullptr, path.data(), size);
    if (n == 0) return "";
    if (n < size) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return "";
}

namespace {

HANDLE StdHandleOf(TStdStream stream) {
  return GetStdHandle(stream == ssOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsUsable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// Standard input when it is a console; nullptr otherwise (a pipe, a file,
// none), in which case no key can end a pause.
HANDLE ConsoleInput() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (!IsUsable(input) || !GetConsoleMode(input, &mode)) return nullptr;
  return input;
}

}  // namespace

bool PlatformWrite(TStdStream stream, const char* data, std::size_t size) {
  HANDLE handle = StdHandleOf(stream);
  if (!IsUsable(handle)) return false;
  // Older consoles refuse single writes much beyond 64 KiB.
  const std::size_t kMaxChunk = 32 * 1024;
  while (size > 0) {
    DWORD chunk = static_cast<DWORD>(size < kMaxChunk ? size : kMaxChunk);
    DWORD written = 0;
    if (!WriteFile(handle, data, chunk, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

bool PlatformWriteRepeated(TStdStream stream, const char* data, std::size_t size,
                           std::size_t count) {
  // Console and pipe handles have no gather write: whole copies are laid
  // side by side in a buffer of the size PlatformWrite hands over at a time.
  static char buffer[32 * 1024];
  const std::size_t perChunk = size == 0 ? 0 : sizeof buffer / size;
  if (perChunk < 2) {
    for (; count > 0; --count) {
      if (!PlatformWrite(stream, data, size)) return false;
    }
    return true;
  }
  const std::size_t filled = count < perChunk ? count : perChunk;
  for (std::size_t k = 0; k < filled; ++k) std::memcpy(buffer + k * size, data, size);
  while (count > 0) {
    const std::size_t copies = count < filled ? count : filled;
    if (!PlatformWrite(stream, buffer, copies * size)) return false;
    count -= copies;
  }
  return true;
}

bool PlatformIsTerminal(TStdStream stream) {
  // The NUL device is a character device too, but it has no console mode.
  HANDLE handle = StdHandleOf(stream);
  DWORD mode = 0;
  return IsUsable(handle) && GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode);
}

// ExitProcess ends the process at once, without static destructors or CRT
// stream flushing, as _exit does on POSIX: a failed write must not lead to
// more writes on the way out.
void PlatformEndProcess(int status) { ExitProcess(static_cast<UINT>(status)); }

// ---- Console input -----------------------------------------------------------

void PlatformStartKeyPolling() {
  HANDLE input = ConsoleInput();
  if (input != nullptr) FlushConsoleInputBuffer(input);
}

bool PlatformKeyPressed() {
  HANDLE input = ConsoleInput();
  if (input == nullptr) return false;
  // Mouse, focus, resize and key-up events are read away so that a key press
  // queued behind them is still seen; the key press itself stays queued
  // until polling stops and discards it.
  INPUT_RECORD record;
  DWORD count = 0;
  while (PeekConsoleInputA(input, &record, 1, &count) && count == 1) {
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return true;
    if (!ReadConsoleInputA(input, &record, 1, &count)) return false;
  }
  return false;
}

void PlatformStopKeyPolling() {
  HANDLE input = ConsoleInput();
  if (input != nullptr) FlushConsoleInputBuffer(input);
}

void PlatformAlert() { MessageBeep(MB_OK); }

void PlatformSleep(int milliseconds) {
  if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
}

// ---- Locale -------------------------------------------------------------------

namespace {

// One entry of the system default locale (not the user's), "" on failure.
std::string SystemLocaleInfo(LCTYPE type) {
  char buffer[128];
  int n = GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, buffer, static_cast<int>(sizeof buffer));
  return n > 1 ? std::string(buffer, static_cast<std::size_t>(n - 1)) : std::string();
}

// A separator the format settings can hold: exactly one byte, else the
// fallback (a multi-byte separator cannot be cut to one byte safely).
char SeparatorOf(const std::string& text, char fallback) {
  return text.size() == 1 ? text[0] : fallback;
}

}  // namespace

TLocaleFormat PlatformLocaleFormat() {
  TLocaleFormat format;
  for (int m = 0; m < 12; ++m) {
    format.ShortMonthNames[m] = SystemLocaleInfo(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + m));
  }
  format.TimeSeparator = SeparatorOf(SystemLocaleInfo(LOCALE_STIME), ':');
  format.DateSeparator = SeparatorOf(SystemLocaleInfo(LOCALE_SDATE), '/');
  return format;
}

}  // namespace corvane
