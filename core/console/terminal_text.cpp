// Text from data on its way to a terminal: controls shown as $'\xHH', and
// the command line quoted so that it pastes back into a shell.
#include "core/console/terminal_text.h"

#include "core/base/text.h"
#include "core/platform/platform.h"

namespace corvane {

namespace {

// A control that is a byte outside UTF-8 rather than one a shell must not
// see raw: a shell takes it literally, only a terminal needs it escaped.
bool IsStrayByte(std::string_view text, std::size_t pos, std::size_t control) {
  return control == 1 && static_cast<unsigned char>(text[pos]) >= 0x80;
}

bool NeedsQuoting(std::string_view arg) {
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

void AppendEscapedControl(std::string& out, std::string_view bytes) {
  out += "$'";
  for (unsigned char c : bytes) {
    out += "\\x";
    out += HexDigits[c >> 4];
    out += HexDigits[c & 15];
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

std::string ShellQuoteArgument(std::string_view arg) {
  if (!NeedsQuoting(arg)) return std::string(arg);
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
        AppendEscapedControl(out, arg.substr(i, control));
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

std::string CommandLineAsTyped() {
  if (const char* raw = PlatformRawCommandLine()) return raw;
  std::string line = ShellQuoteArgument(PlatformProgramName());
  for (const std::string& arg : PlatformArguments()) {
    line += ' ';
    line += ShellQuoteArgument(arg);
  }
  return line;
}

}  // namespace corvane
