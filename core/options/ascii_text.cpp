#include "core/options/ascii_text.h"

#include <algorithm>

namespace corvane {

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), UpperAsciiChar);
  return out;
}

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), LowerAsciiChar);
  return out;
}

std::string_view NextQuotedWord(std::string_view text, std::size_t& pos) {
  std::size_t start = pos;
  while (start < text.size() && text[start] == ' ') ++start;
  std::size_t end = start;
  bool quoted = false;
  for (; end < text.size(); ++end) {
    if (text[end] == '"') {
      quoted = !quoted;
    } else if (text[end] == ' ' && !quoted) {
      break;
    }
  }
  pos = end;
  return text.substr(start, end - start);
}

void TrimControlChars(std::string& s) {
  auto isControl = [](char c) { return static_cast<unsigned char>(c) < 33; };
  std::size_t end = s.size();
  while (end > 0 && isControl(s[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && isControl(s[begin])) ++begin;
  s.erase(end);
  s.erase(0, begin);
}

}  // namespace corvane
