// Windows implementation of the platform layer. Inside, text is UTF-8: the
// arguments, the command line and the executable's path come from the
// system's UTF-16 copies, a console is written in UTF-16, and a file or a
// pipe gets the bytes as they are, with no CRT text mode anywhere in between.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "core/base/text.h"
#include "core/platform/platform.h"
#include "core/platform/platform_os.h"

// mingw-w64's CRT can be built to expand wildcards in argv; this program's
// "Linewright * 40" means the character "*", never the names of files.
extern "C" {
int _dowildcard = 0;

// The run-time's wide twin of the splitter its start-up fills argv with
// (msvcrt exports it, mingw-w64's UCRT library provides it). Its last
// parameter is a _startupinfo, which no public header declares: a record of
// one int, the mode of the new handler.
int __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** env, int expandWildcards,
                   int* startupInfo);
}

namespace corvane {

namespace {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
void AppendUtf8(std::string& out, const wchar_t* text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    char32_t c = static_cast<char16_t>(text[i]);
    if (c >= 0xD800 && c <= 0xDFFF) {
      const char32_t low = i + 1 < size ? static_cast<char16_t>(text[i + 1]) : 0;
      if (c <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      } else {
        c = 0xFFFD;
      }
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
}

std::string Utf8Of(const wchar_t* text) {
  std::string out;
  if (text != nullptr) AppendUtf8(out, text, std::wcslen(text));
  return out;
}

}  // namespace

std::vector<std::string> OsWideArguments() {
  // Split by the very run-time that split argv, from the same command line:
  // an ASCII argument comes out as argv has it, whatever that run-time's
  // rules for quotes are (they differ between its versions and from
  // CommandLineToArgvW's).
  int count = 0;
  wchar_t** arguments = nullptr;
  wchar_t** environment = nullptr;
  int newMode = 0;
  std::vector<std::string> result;
  if (__wgetmainargs(&count, &arguments, &environment, 0, &newMode) < 0 || arguments == nullptr) {
    return result;
  }
  result.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) result.push_back(Utf8Of(arguments[k]));
  return result;
}

const char* PlatformRawCommandLine() {
  // Only the error report shows it: converted at its first use.
  static const std::string line = Utf8Of(GetCommandLineW());
  return line.c_str();
}

std::string OsExecutablePath() {
  // A result that fills the buffer may be cut short: grow and ask again.
  std::wstring path(MAX_PATH, L'\0');
  while (path.size() <= 65536) {
    DWORD size = static_cast<DWORD>(path.size());
    DWORD n = GetModuleFileNameW(nullptr, path.data(), size);
    if (n == 0) return "";
    if (n < size) {
      std::string result;
      AppendUtf8(result, path.data(), n);
      return result;
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

namespace {

// What writing to a console keeps per stream: whether the handle is one, and
// the start of a character whose other bytes the next write brings (a
// stream hands lines over where its buffer ends, not where characters do).
struct TConsoleSink {
  HANDLE Handle = nullptr;
  bool IsConsole = false;
  unsigned char Pending[4] = {};
  std::size_t PendingSize = 0;
};

TConsoleSink ConsoleSinks[2];

TConsoleSink& ConsoleSinkOf(TStdStream stream, HANDLE handle) {
  TConsoleSink& sink = ConsoleSinks[stream == ssOutput ? 0 : 1];
  if (sink.Handle != handle) {
    DWORD mode = 0;
    sink.Handle = handle;
    sink.IsConsole = GetConsoleMode(handle, &mode) != 0;
    sink.PendingSize = 0;
  }
  return sink;
}

constexpr char32_t kReplacement = 0xFFFD;

// The character at the start of text, its code point in c. Bytes that
// cannot begin one, or a beginning the next byte does not continue, give one
// U+FFFD for what was read (Unicode's maximal subpart). 0: a well-formed
// beginning that the bytes end in the middle of.
std::size_t ConsoleCharacter(const unsigned char* bytes, std::size_t size, char32_t& c) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const TUtf8Prefix prefix = Utf8Prefix(text, 0);
  if (prefix.Valid == prefix.Length) return DecodeUtf8(text, 0, c);
  if (prefix.Valid == size) return 0;
  c = kReplacement;
  return prefix.Valid > 0 ? prefix.Valid : 1;
}

// UTF-16 goes to the console in pieces far below the 64 KiB that older
// consoles refuse in one write.
constexpr std::size_t kConsoleChunk = 8 * 1024;
struct TWideBuffer {
  wchar_t Text[kConsoleChunk];
  std::size_t Used = 0;
};

bool FlushWide(HANDLE handle, TWideBuffer& buffer) {
  const wchar_t* text = buffer.Text;
  std::size_t size = buffer.Used;
  buffer.Used = 0;
  while (size > 0) {
    DWORD written = 0;
    if (!WriteConsoleW(handle, text, static_cast<DWORD>(size), &written, nullptr) || written == 0) {
      return false;
    }
    text += written;
    size -= written;
  }
  return true;
}

bool PutWide(HANDLE handle, TWideBuffer& buffer, char32_t c) {
  if (buffer.Used + 2 > kConsoleChunk && !FlushWide(handle, buffer)) return false;
  if (c < 0x10000) {
    buffer.Text[buffer.Used++] = static_cast<wchar_t>(c);
  } else {
    buffer.Text[buffer.Used++] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
    buffer.Text[buffer.Used++] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
  return true;
}

// A console shows what it gets in its code page, which is seldom UTF-8;
// given UTF-16 it shows every character, whatever the code page.
bool WriteToConsole(TConsoleSink& sink, const unsigned char* data, std::size_t size) {
  static TWideBuffer buffer;
  buffer.Used = 0;
  char32_t c = 0;
  std::size_t pos = 0;
  if (sink.PendingSize > 0) {
    // The character begun last time, completed from the start of this write.
    unsigned char head[8];
    const std::size_t pending = sink.PendingSize;
    const std::size_t more = size < 4 - pending ? size : 4 - pending;
    std::memcpy(head, sink.Pending, pending);
    std::memcpy(head + pending, data, more);
    const std::size_t length = ConsoleCharacter(head, pending + more, c);
    if (length == 0) {
      std::memcpy(sink.Pending, head, pending + more);
      sink.PendingSize = pending + more;
      return true;
    }
    sink.PendingSize = 0;
    if (!PutWide(sink.Handle, buffer, c)) return false;
    pos = length - pending;
  }
  while (pos < size) {
    const std::size_t length = ConsoleCharacter(data + pos, size - pos, c);
    if (length == 0) {
      std::memcpy(sink.Pending, data + pos, size - pos);
      sink.PendingSize = size - pos;
      break;
    }
    if (!PutWide(sink.Handle, buffer, c)) return false;
    pos += length;
  }
  return FlushWide(sink.Handle, buffer);
}

}  // namespace

bool PlatformWrite(TStdStream stream, const char* data, std::size_t size) {
  HANDLE handle = StdHandleOf(stream);
  if (!IsUsable(handle)) return false;
  TConsoleSink& sink = ConsoleSinkOf(stream, handle);
  if (sink.IsConsole)
    return WriteToConsole(sink, reinterpret_cast<const unsigned char*>(data), size);
  // A file or a pipe gets the bytes as they are. Older consoles refused
  // single writes much beyond 64 KiB, and a handle may still lead to one.
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
// more writes on the way out. Only a console left in the middle of a
// character is told that it never came.
void PlatformEndProcess(int status) {
  // A character the output was cut off in still shows, as U+FFFD.
  for (TConsoleSink& sink : ConsoleSinks) {
    const wchar_t replacement = static_cast<wchar_t>(kReplacement);
    DWORD written = 0;
    if (sink.PendingSize > 0) WriteConsoleW(sink.Handle, &replacement, 1, &written, nullptr);
  }
  ExitProcess(static_cast<UINT>(status));
}

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
// Month names reach the output as UTF-8 like every other text.
std::string SystemLocaleInfo(LCTYPE type) {
  wchar_t buffer[128];
  const int n = GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, type, buffer,
                               static_cast<int>(sizeof buffer / sizeof buffer[0]));
  std::string info;
  if (n > 1) AppendUtf8(info, buffer, static_cast<std::size_t>(n - 1));
  return info;
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
