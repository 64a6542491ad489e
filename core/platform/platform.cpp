// Portable half of the platform layer: the arguments, the command line and
// the text rules every system shares.
#include "core/platform/platform.h"

#include <iterator>
#include <new>
#include <utility>

#include "core/platform/platform_os.h"

namespace corvane {

namespace {

std::vector<std::string> Arguments;
std::string ProgramName;
std::string ExecutablePath;
bool ExecutablePathAsked = false;

[[noreturn]] void EndOutOfMemory() { PlatformFatalError("out of memory", OutOfMemoryStatus); }

}  // namespace

void PlatformSetArguments(int argc, const char* const* argv) {
  ProgramName = (argc > 0 && argv[0] != nullptr) ? argv[0] : "";
  // Start-up and the identity both need it; the system is asked once.
  ExecutablePath = OsExecutablePath();
  ExecutablePathAsked = true;
  // Copied after the name, so that a run refused memory for them can say
  // which program it was.
  Arguments.clear();
#ifdef _WIN32
  // The same arguments in UTF-8, unless a tool passes a list of its own.
  std::vector<std::string> wide = OsWideArguments();
  if (argc > 0 && wide.size() == static_cast<std::size_t>(argc)) {
    ProgramName = std::move(wide[0]);
    Arguments.assign(std::make_move_iterator(wide.begin() + 1),
                     std::make_move_iterator(wide.end()));
    return;
  }
#endif
  if (argc > 1) Arguments.assign(argv + 1, argv + argc);
}

const std::vector<std::string>& PlatformArguments() { return Arguments; }

const std::string& PlatformProgramName() { return ProgramName; }

const std::string& PlatformExecutablePath() {
  // A tool that never called PlatformSetArguments still has a path, and its
  // messages a name: CoreInitialize asks for it first.
  if (!ExecutablePathAsked) {
    ExecutablePathAsked = true;
    ExecutablePath = OsExecutablePath();
  }
  return ExecutablePath;
}

void PlatformEndOnOutOfMemory() {
  // A program, not the library, chooses this: a host that loads a tool's
  // code keeps its own handling of a refused allocation.
  std::set_new_handler(EndOutOfMemory);
}

namespace {

// A Windows console is written in UTF-16, where a byte outside UTF-8 shows
// as U+FFFD and drives nothing: there only the C1 pairs count, as everywhere.
#ifdef _WIN32
constexpr bool kStrayBytesAreControls = false;
#else
constexpr bool kStrayBytesAreControls = true;
#endif

// Bytes of the well-formed UTF-8 character at pos; 0 when none starts there
// (a lone continuation byte, C0, C1, F5 to FF, a sequence cut short, an
// overlong form, a surrogate, a code point above 10FFFF).
std::size_t Utf8Length(std::string_view text, std::size_t pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;  // range of the second byte
  unsigned char high = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;   // overlong
    if (c == 0xED) high = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;   // overlong
    if (c == 0xF4) high = 0x8F;  // beyond 10FFFF
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[pos + k]);
    if (next < low || next > high) return 0;
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

// The digits of the $'\xHH' notation.
const char kHex[] = "0123456789ABCDEF";

// The step from one character to the next: a whole UTF-8 character, else a byte.
std::size_t CharacterLength(std::string_view text, std::size_t pos) {
  const std::size_t length = Utf8Length(text, pos);
  return length > 0 ? length : 1;
}

// A control that is a byte outside UTF-8 rather than one a shell must not
// see raw: a shell takes it literally, only a terminal needs it escaped.
bool IsStrayByte(std::string_view text, std::size_t pos, std::size_t control) {
  return control == 1 && static_cast<unsigned char>(text[pos]) >= 0x80;
}

bool NeedsQuoting(const std::string& arg) {
  if (arg.empty()) return true;
  for (std::size_t i = 0; i < arg.size(); ++i) {
    const auto c = static_cast<unsigned char>(arg[i]);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '/' || c == ',' || c == ':' ||
                       c == '=' || c == '+' || c == '@' || c == '%' || c >= 128;
    // Beyond ASCII only a C1 pair needs the quotes (no continuation byte
    // starts one); a shell takes a byte outside UTF-8 literally.
    if (!plain || (c >= 128 && ControlLength(arg, i) == 2)) return true;
  }
  return false;
}

}  // namespace

std::size_t ControlLength(std::string_view text, std::size_t pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x20 || c == 0x7F) return 1;
  if (c < 0x80) return 0;
  // C1 controls in UTF-8 (C2 80 to C2 9F); C2 9B alone is a CSI to some terminals.
  if (c == 0xC2 && pos + 1 < text.size()) {
    const auto next = static_cast<unsigned char>(text[pos + 1]);
    if (next >= 0x80 && next <= 0x9F) return 2;
  }
  // Any other byte outside UTF-8: a lone 9B is a CSI to a terminal in an 8-bit mode.
  return kStrayBytesAreControls && Utf8Length(text, pos) == 0 ? 1 : 0;
}

void AppendEscapedControl(std::string& out, std::string_view bytes) {
  out += "$'";
  for (unsigned char c : bytes) {
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 15];
  }
  out += '\'';
}

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t control = ControlLength(text, i);
    if (control == 0) {
      const std::size_t length = CharacterLength(text, i);
      out.append(text, i, length);
      i += length;
      continue;
    }
    AppendEscapedControl(out, text.substr(i, control));
    i += control;
  }
  return out;
}

std::string ShellQuoteArgument(const std::string& arg) {
  if (!NeedsQuoting(arg)) return arg;
  if (arg.empty()) return "''";
  // Single quotes keep everything literal; controls leave the quotes as
  // $'\xHH' so the terminal never receives them raw. A byte outside UTF-8
  // stays as typed but outside the quotes too, where a terminal's escape of
  // it still reads back as the same byte.
  std::string out;
  bool open = false;
  for (std::size_t i = 0; i < arg.size();) {
    const std::size_t control = ControlLength(arg, i);
    if (control > 0) {
      if (open) out += '\'';
      open = false;
      if (IsStrayByte(arg, i, control)) {
        out += arg[i];
      } else {
        AppendEscapedControl(out, std::string_view(arg).substr(i, control));
      }
      i += control;
      continue;
    }
    if (!open) out += '\'';
    open = true;
    const std::size_t length = CharacterLength(arg, i);
    if (arg[i] == '\'') {
      out += "'\\''";
    } else {
      out.append(arg, i, length);
    }
    i += length;
  }
  if (open) out += '\'';
  return out;
}

std::string PlatformCommandLine() {
  if (const char* raw = OsRawCommandLine()) return raw;
  std::string line = ShellQuoteArgument(ProgramName);
  for (const std::string& arg : Arguments) {
    line += ' ';
    line += ShellQuoteArgument(arg);
  }
  return line;
}

std::string_view PlatformMessageName() {
  std::string_view path = PlatformExecutablePath();
  if (path.empty()) path = ProgramName;
#ifdef _WIN32
  const std::size_t cut = path.find_last_of("\\/:");
#else
  const std::size_t cut = path.rfind('/');
#endif
  if (cut != std::string_view::npos) path.remove_prefix(cut + 1);
  // Leading dots belong to the name: ".tool" keeps its whole name.
  const std::size_t start = path.find_first_not_of('.');
  const std::size_t dot = path.rfind('.');
  if (start != std::string_view::npos && dot != std::string_view::npos && dot > start) {
    path = path.substr(0, dot);
  }
  return path;
}

namespace {

// The name as the report shows it: a terminal gets its controls escaped, so
// that a file's name never drives it. Written piece by piece, since the
// message must not need memory.
void WriteMessageName(std::string_view name) {
  const bool escape = PlatformIsTerminal(ssError);
  std::size_t written = 0;
  for (std::size_t i = 0; escape && i < name.size();) {
    const std::size_t control = ControlLength(name, i);
    if (control == 0) {
      i += CharacterLength(name, i);
      continue;
    }
    PlatformWrite(ssError, name.data() + written, i - written);
    PlatformWrite(ssError, "$'", 2);
    for (std::size_t k = i; k < i + control; ++k) {
      const auto c = static_cast<unsigned char>(name[k]);
      const char hex[] = {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
      PlatformWrite(ssError, hex, sizeof hex);
    }
    PlatformWrite(ssError, "'", 1);
    i += control;
    written = i;
  }
  PlatformWrite(ssError, name.data() + written, name.size() - written);
}

}  // namespace

void PlatformFatalError(std::string_view cause, int status) {
  const std::string_view name = PlatformMessageName();
  if (!name.empty()) {
    WriteMessageName(name);
    PlatformWrite(ssError, ": ", 2);
  }
  PlatformWrite(ssError, cause.data(), cause.size());
  PlatformWrite(ssError, LineEnd.data(), LineEnd.size());
  PlatformEndProcess(status);
}

void PlatformFatalWriteError(TStdStream stream) {
  // A failed standard error has nowhere left to say so.
  if (stream == ssError) PlatformEndProcess(WriteFailedStatus);
  PlatformFatalError("writing standard output failed", WriteFailedStatus);
}

}  // namespace corvane
