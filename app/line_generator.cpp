#include "app/line_generator.h"

#include <charconv>
#include <string>

#include "core/console/text_stream.h"

void GenerateLines(std::string_view ch, std::int32_t len, std::int32_t count, bool showLength) {
  if (count < 1) return;
  // The whole line, its end included, is built once and written count times.
  const std::size_t copies = len > 0 ? static_cast<std::size_t>(len) : 0;
  std::string line;
  line.reserve(copies * ch.size() + 24);
  if (ch.size() == 1) {
    line.assign(copies, ch[0]);
  } else {
    for (std::size_t k = 0; k < copies; ++k) line += ch;
  }
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
