#include "core/options/ascii_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace corvane {

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), UpperAsciiChar);
  return out;
}

std::span<char> UpperAsciiCopy(std::string_view s, std::span<char> buffer, std::string& spill) {
  if (s.size() > buffer.size()) {
    spill.resize(s.size());
    buffer = spill;
  }
  // Eight bytes at a time, as every search upper-cases its alias list: a
  // byte's low seven bits plus 0x1F reach bit 7 from 'a' on, plus 0x05 from
  // '{' on, and neither sum carries into the next byte.
  std::size_t k = 0;
  for (std::uint64_t v = 0; k + 8 <= s.size(); k += 8) {
    std::memcpy(&v, s.data() + k, 8);
    const std::uint64_t low = v & 0x7F7F7F7F7F7F7F7Fu;
    v ^= ((low + 0x1F1F1F1F1F1F1F1Fu) & ~(low + 0x0505050505050505u) & ~v & 0x8080808080808080u) >>
         2;
    std::memcpy(buffer.data() + k, &v, 8);
  }
  const std::string_view rest = s.substr(k);
  std::transform(rest.begin(), rest.end(), buffer.data() + k, UpperAsciiChar);
  return buffer.first(s.size());
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
