// Characters as a user sees them: a text's first character is a whole UTF-8
// character with what belongs to it on screen, never the first byte of one.
// The rest of the core stays byte-based.
#pragma once

#include <cstddef>
#include <string_view>

namespace corvane {

// Bytes of the well-formed UTF-8 character at pos, with its code point; 0
// when none starts there (a lone continuation byte, a sequence cut short, an
// overlong form, a surrogate, a code point above 10FFFF, C0 to C1, F5 to FF).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint);

// Bytes of text's first character: a well-formed UTF-8 code point together
// with the combining marks, variation selectors, emoji modifiers and tags
// that follow it, a zero-width joiner with the code point after it, and a
// flag's second regional indicator. A text that does not begin with
// well-formed UTF-8 (a Latin-1 byte, say) gives its first byte; "" gives 0.
std::size_t FirstCharacterLength(std::string_view text);

}  // namespace corvane
