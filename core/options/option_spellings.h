// Every spelling under which the options of an alias list can be typed.
#pragma once

#include <cstdint>
#include <string>

// The prefixed (and, in modes 2 and 3, suffixed) spellings of each alias,
// each followed by a blank, skipping any that the text so far already holds.
// Modes 1 and 3 also admit the bare one-character symbols.
std::string BuildOptionSpellings(const std::string& aliases, std::int32_t mode);
