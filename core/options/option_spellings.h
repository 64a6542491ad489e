// Every spelling under which the options of an alias list can be typed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/options/ascii_text.h"

// The next alias of an alias list from pos on: the list splits at runs of
// blanks, commas and semicolons. Empty when the list is used up.
inline std::string_view NextAlias(std::string_view list, std::size_t& pos) {
  // Letters and digits lie above all three separators: one comparison each.
  return NextPiece(list, pos, [](char c) {
    return static_cast<unsigned char>(c) <= ';' && (c == ' ' || c == ',' || c == ';');
  });
}

// The prefixed (and, in modes 2 and 3, suffixed) spellings of each alias,
// each followed by a blank, skipping any that the text so far already holds.
// Modes 1 and 3 also admit the bare one-character symbols.
std::string BuildOptionSpellings(const std::string& aliases, std::int32_t mode);
