// The timed pause that a key press ends early.
#pragma once

#include <string>

namespace corvane {

// The prompt, then up to count dots, one per 250 ms, until a key is pressed.
void WaitWithDots(int count, const std::string& prompt);

}  // namespace corvane
