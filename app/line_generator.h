#pragma once

#include <cstdint>
#include <string_view>

// Count lines of len copies of the character ch (its bytes) on ConsoleOut,
// each optionally followed by " Length: " and len.
void GenerateLines(std::string_view ch, std::int32_t len, std::int32_t count, bool showLength);
