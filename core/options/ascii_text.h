// The small text rules the core shares: ASCII letter case, pieces of a text
// between separators.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Letter case is folded for ASCII letters only, the same in every locale;
// every other byte stays as it is.
constexpr char UpperAsciiChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char LowerAsciiChar(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string UpperAscii(std::string_view s);
std::string LowerAscii(std::string_view s);
// Inline: matching compares an argument with every alias of every option.
inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (UpperAsciiChar(a[k]) != UpperAsciiChar(b[k])) return false;
  }
  return true;
}

// The next non-empty piece of text from pos on, between runs of the bytes
// isSeparator holds for; empty when the text is used up.
template <typename IsSeparator>
std::string_view NextPiece(std::string_view text, std::size_t& pos, IsSeparator isSeparator) {
  std::size_t start = pos;
  while (start < text.size() && isSeparator(text[start])) ++start;
  std::size_t end = start;
  while (end < text.size() && !isSeparator(text[end])) ++end;
  pos = end;
  return text.substr(start, end - start);
}
// The next word from pos on, split at blanks outside double quotes (the
// quotes stay in the word); empty when the text is used up.
std::string_view NextQuotedWord(std::string_view text, std::size_t& pos);
// Removes the bytes below 33 (blanks and control characters) from both ends.
void TrimControlChars(std::string& s);

}  // namespace corvane
