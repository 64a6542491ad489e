#include "corvane/options.h"

#include <cstddef>
#include <limits>

#include "corvane/core_state.h"

namespace corvane {

namespace {

// Texts this long or longer are refused outright, as the conversion always has.
constexpr std::size_t kMaxNumberTextLength = 256;

int DigitValue(char c, unsigned base) {
  int d = 99;
  if (c >= '0' && c <= '9') {
    d = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    d = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    d = c - 'A' + 10;
  }
  return static_cast<unsigned>(d) < base ? d : -1;
}

// Blanks and tabs, an optional "+", an optional base prefix, then nothing
// but digits of that base. A value beyond 64 bits fails, or with saturate
// gives the largest one.
bool ParseUnsigned(const char* text, std::size_t size, std::uint64_t& result, bool saturate) {
  std::size_t p = 0;
  while (p < size && (text[p] == ' ' || text[p] == '\t')) ++p;
  if (p < size && text[p] == '+') ++p;

  unsigned base = 10;
  if (p < size) {
    char c = text[p];
    if (c == '$' || c == 'x' || c == 'X') {
      base = 16;
      ++p;
    } else if (c == '0' && p + 1 < size && (text[p + 1] == 'x' || text[p + 1] == 'X')) {
      base = 16;
      p += 2;
    } else if (c == '%') {
      base = 2;
      ++p;
    } else if (c == '&') {
      base = 8;
      ++p;
    }
  }
  if (p >= size) return false;  // no digits at all

  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t value = 0;
  for (; p < size; ++p) {
    int d = DigitValue(text[p], base);
    if (d < 0) return false;
    if (value > (kMax - static_cast<std::uint64_t>(d)) / base) {
      if (!saturate) return false;
      value = kMax;
      continue;
    }
    value = value * base + static_cast<std::uint64_t>(d);
  }
  result = value;
  return true;
}

// The text before the first "." with its commas dropped, copied into a
// fixed buffer: a number is never long enough to need the heap.
bool ConvertText(const std::string& text, std::uint64_t& result, bool saturate = false) {
  char digits[kMaxNumberTextLength];
  std::size_t size = 0;
  for (char c : text) {
    if (c == '.') break;
    if (c == ',') continue;
    if (size + 1 >= kMaxNumberTextLength) return false;
    digits[size++] = c;
  }
  return ParseUnsigned(digits, size, result, saturate);
}

}  // namespace

std::uint64_t StrToNumberDef(const std::string& text, std::uint64_t defaultValue) {
  std::uint64_t result = defaultValue;
  if (!ConvertText(text, result)) result = defaultValue;
  CoreState.ParamValueAdjusted = result == defaultValue;
  return result;
}

std::uint64_t StrToNumberCapped(const std::string& text, std::uint64_t defaultValue,
                                std::uint64_t maxValue) {
  std::uint64_t result = defaultValue;
  if (!ConvertText(text, result, true)) result = defaultValue;
  CoreState.ParamValueAdjusted = result == defaultValue || result > maxValue;
  return result > maxValue ? maxValue : result;
}

std::uint64_t StrToNumberRange(const std::string& text, std::uint64_t defaultValue,
                               std::uint64_t minValue, std::uint64_t maxValue) {
  std::uint64_t result = StrToNumberDef(text, defaultValue);
  if (result < minValue) {
    result = minValue;
    CoreState.ParamValueAdjusted = true;
  }
  if (result > maxValue) {
    result = maxValue;
    CoreState.ParamValueAdjusted = true;
  }
  return result;
}

}  // namespace corvane
