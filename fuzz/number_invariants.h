// What must hold for every text handed to the core's number conversion. The
// fuzz target and the regression replay both call CheckNumberConversion;
// it returns the first broken rule, or "" when all hold.
#pragma once

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/console/core_start.h"
#include "corvane/options.h"
#include "fuzz/reference_number.h"

namespace fuzzcheck {

inline std::string NumberText(std::uint64_t v) { return std::to_string(v); }

// Bounds and defaults worth trying for one text: the program's own, the
// extremes, and some placed right at the text's value so that every
// comparison is met from both sides.
struct TNumberLimitsRec {
  std::uint64_t Default;
  std::uint64_t Min;
  std::uint64_t Max;
};

inline std::uint64_t TextHash(std::string_view text, std::uint64_t seed) {
  std::uint64_t h = 1469598103934665603ull ^ seed;
  for (char c : text) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  return h;
}

inline std::string CheckOneRange(std::string_view text, const TNumberLimitsRec& limits) {
  const std::string owned(text);
  const std::uint64_t d = limits.Default, lo = limits.Min, hi = limits.Max;
  const std::string where =
      " (default " + NumberText(d) + ", min " + NumberText(lo) + ", max " + NumberText(hi) + ")";

  // The flag must be written on every call, whatever it held before.
  const std::uint64_t plain = fuzzref::ReferenceNumberDef(text, d);
  corvane::CoreState.ParamValueAdjusted = plain != d;
  const std::uint64_t got = corvane::StrToNumberDef(owned, d);
  if (got != plain) {
    return "StrToNumberDef gave " + NumberText(got) + ", the rules give " + NumberText(plain) + where;
  }
  if (corvane::CoreState.ParamValueAdjusted != (got == d)) {
    return "StrToNumberDef left ParamValueAdjusted " +
           std::string(corvane::CoreState.ParamValueAdjusted ? "true" : "false") + " for result " +
           NumberText(got) + where;
  }

  std::uint64_t expected = plain;
  bool adjusted = plain == d;
  if (expected < lo) {
    expected = lo;
    adjusted = true;
  }
  if (expected > hi) {
    expected = hi;
    adjusted = true;
  }
  corvane::CoreState.ParamValueAdjusted = !adjusted;
  const std::uint64_t ranged = corvane::StrToNumberRange(owned, d, lo, hi);
  if (ranged != expected) {
    return "StrToNumberRange gave " + NumberText(ranged) + ", expected " + NumberText(expected) + where;
  }
  if (lo <= hi && (ranged < lo || ranged > hi)) {
    return "StrToNumberRange result " + NumberText(ranged) + " outside its limits" + where;
  }
  if (lo > hi && ranged != hi) {
    return "StrToNumberRange with min above max gave " + NumberText(ranged) + where;
  }
  if (corvane::CoreState.ParamValueAdjusted != adjusted) {
    return "StrToNumberRange left ParamValueAdjusted " +
           std::string(corvane::CoreState.ParamValueAdjusted ? "true" : "false") + where;
  }
  return "";
}

// A text of decimal digits alone needs no rule reading: the standard
// library says what it is worth.
inline std::string CheckPlainDigits(std::string_view text) {
  if (text.empty()) return "";
  for (char c : text) {
    if (c < '0' || c > '9') return "";
  }
  const std::uint64_t d = 424242;
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  const bool converts = ec == std::errc{} && end == text.data() + text.size() && text.size() < 256;
  const std::uint64_t expected = converts ? value : d;
  const std::uint64_t got = corvane::StrToNumberDef(std::string(text), d);
  if (got != expected) {
    return "digits-only text of " + NumberText(text.size()) + " characters gave " + NumberText(got) +
           ", expected " + NumberText(expected);
  }
  return "";
}

inline std::string CheckNumberConversion(std::string_view text) {
  constexpr std::uint64_t kTop = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t v = 0;
  const bool converts = fuzzref::ReferenceNumber(text, v);
  const std::uint64_t h1 = TextHash(text, 1), h2 = TextHash(text, 2), h3 = TextHash(text, 3);
  const TNumberLimitsRec sets[] = {
      {0, 0, kTop},                     // the positional length slot
      {1, 0, 1000},                     // the line-count option
      {v, v, v},                        // default, min and max all equal to the value
      {v + 1, v + 1, v + 2},            // clamped up to the minimum
      {7, 0, v - 1},                    // clamped down to the maximum
      {5, 9, 3},                        // min above max: the maximum wins
      {kTop, kTop, 0},
      {converts ? v ^ 1 : v, 0, kTop},  // a default next to the value
      {h1, h2 & 0xFFFF, h3},
      {h1 & 0xFF, h2, h3 & 0xFFFF},
  };
  for (const TNumberLimitsRec& limits : sets) {
    std::string problem = CheckOneRange(text, limits);
    if (!problem.empty()) return problem;
  }
  return CheckPlainDigits(text);
}

}  // namespace fuzzcheck
