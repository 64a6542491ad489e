#include "app/line_generator.h"

#include <charconv>
#include <string>

#include "core/console/text_stream.h"

void GenerateLines(char ch, std::int32_t len, std::int32_t count, bool showLength) {
  if (count < 1) return;
  // The whole line, its end included, is built once and written count times.
  std::string line;
  line.reserve((len > 0 ? static_cast<std::size_t>(len) : 0) + 24);
  line.assign(len > 0 ? static_cast<std::size_t>(len) : 0, ch);
  if (showLength) {
    char digits[16];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, len);
    (void)ec;
    line += " Length: ";
    line.append(digits, end);
  }
  line += corvane::LineEnd;
  corvane::WriteRepeatedLine(corvane::ConsoleOut, line, static_cast<std::size_t>(count));
}
