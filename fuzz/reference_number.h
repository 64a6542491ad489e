// A second, deliberately plain reading of the core's text-to-number rules,
// written apart from the product code so the two can be checked against each
// other: the text before the first ".", commas dropped, at most 255
// characters left, leading blanks and tabs, an optional "+", an optional base
// prefix, then digits of that base only, no value above 2^64 - 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzref {

inline int ReferenceDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// True and the value when the text converts; false when it does not. With
// saturate, digits beyond 2^64 - 1 give 2^64 - 1 instead of failing.
inline bool ReferenceNumber(std::string_view text, std::uint64_t& value, bool saturate = false) {
  std::string kept;
  for (char c : text) {
    if (c == '.') break;
    if (c != ',') kept.push_back(c);
  }
  if (kept.size() >= 256) return false;

  std::string_view rest = kept;
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);

  unsigned base = 10;
  if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    base = 16;
    rest.remove_prefix(2);
  } else if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    base = 16;
    rest.remove_prefix(1);
  } else if (!rest.empty() && rest[0] == '%') {
    base = 2;
    rest.remove_prefix(1);
  } else if (!rest.empty() && rest[0] == '&') {
    base = 8;
    rest.remove_prefix(1);
  }
  if (rest.empty()) return false;

  std::uint64_t v = 0;
  bool over = false;
  for (char c : rest) {
    int d = ReferenceDigit(c);
    if (d >= static_cast<int>(base)) return false;
    over = over || __builtin_mul_overflow(v, static_cast<std::uint64_t>(base), &v) ||
           __builtin_add_overflow(v, static_cast<std::uint64_t>(d), &v);
  }
  if (over && !saturate) return false;
  if (over) v = ~std::uint64_t{0};
  value = v;
  return true;
}

// The number a text gives with a default, as the core's StrToNumberDef should.
inline std::uint64_t ReferenceNumberDef(std::string_view text, std::uint64_t defaultValue) {
  std::uint64_t v = 0;
  return ReferenceNumber(text, v) ? v : defaultValue;
}

// A count cut to maxValue, however large the number, as StrToNumberCapped gives it.
inline std::uint64_t ReferenceNumberCapped(std::string_view text, std::uint64_t defaultValue,
                                           std::uint64_t maxValue) {
  std::uint64_t v = 0;
  if (!ReferenceNumber(text, v, true)) v = defaultValue;
  return v > maxValue ? maxValue : v;
}

// The same with limits: the minimum first, then the maximum.
inline std::uint64_t ReferenceNumberRange(std::string_view text, std::uint64_t defaultValue,
                                          std::uint64_t minValue, std::uint64_t maxValue) {
  std::uint64_t v = ReferenceNumberDef(text, defaultValue);
  if (v < minValue) v = minValue;
  if (v > maxValue) v = maxValue;
  return v;
}

}  // namespace fuzzref
