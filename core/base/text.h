// The text rules the layers share: UTF-8, the controls a terminal must not
// receive raw, the quoting of list items, and file names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "corvane/core_state.h"  // QuoteIfSpaced

namespace corvane {

// ---- UTF-8 ------------------------------------------------------------------

// Bytes from pos that begin a well-formed UTF-8 character, and the length
// that character would have: equal when one starts at pos; less when the
// text ends or goes wrong inside it (Unicode's maximal subpart); Valid 0
// for a byte that cannot begin one (a continuation byte, C0, C1, F5 to FF).
struct TUtf8Prefix {
  std::size_t Valid = 0;
  std::size_t Length = 1;
};
TUtf8Prefix Utf8Prefix(std::string_view text, std::size_t pos);

// Bytes of the well-formed UTF-8 character at pos, with its code point; 0
// when none starts there (a lone continuation byte, a sequence cut short, an
// overlong form, a surrogate, a code point above 10FFFF, C0 to C1, F5 to FF).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint);

// ---- Controls in text from data -----------------------------------------------
// A terminal acts on C0 bytes, DEL and the UTF-8 forms of C1 (C2 80 to C2 9F),
// and on POSIX every byte outside well-formed UTF-8 counts too (a lone 9B is
// a C1 CSI to some terminals); text taken from data shows each such byte as
// $'\xHH' instead (console/terminal_text.h).

// The digits of that notation.
inline constexpr char HexDigits[] = "0123456789ABCDEF";

// Bytes of the control that starts at pos, which must start a character:
// 0 (none), 1 or 2 (a C1 pair).
std::size_t ControlLength(std::string_view text, std::size_t pos);
// The step from one character to the next: a whole UTF-8 character, else a byte.
std::size_t CharacterLength(std::string_view text, std::size_t pos);

// ---- Quoting of list items ---------------------------------------------------------

// Appends s to out as QuoteIfSpaced gives it.
void AppendQuotedIfSpaced(std::string& out, std::string_view s);

// ---- File names ----------------------------------------------------------------

// Where a path's file name starts: after its last delimiter ("/"; on
// Windows also "\" and ":").
std::size_t FileNameStart(std::string_view path);
// The extension of a file name, dot included: the text from its last ".".
// Leading dots belong to the name (".hidden" has none), so a hidden file
// never loses its whole name to the extension.
std::string_view ExtensionOf(std::string_view fileName);

}  // namespace corvane
