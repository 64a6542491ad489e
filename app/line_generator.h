#pragma once

#include <cstdint>

// Count lines of len copies of ch on ConsoleOut, each optionally followed by
// " Length: " and len.
void GenerateLines(char ch, std::int32_t len, std::int32_t count, bool showLength);
