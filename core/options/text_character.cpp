// Characters as a user sees them: a text's first character is a whole UTF-8
// character with what belongs to it on screen, never the first byte of one.
#include "core/base/text.h"
#include "corvane/options.h"

#include <algorithm>
#include <iterator>

namespace corvane {

namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;
// Unicode's stream-safe limit on what may follow a character (30 marks),
// with the character itself: the line it is repeated on stays small.
constexpr int kMaxCodePoints = 31;

struct TRangeRec {
  char32_t First;
  char32_t Last;
};

// What follows a code point and stays with it on screen.
constexpr TRangeRec kExtenders[] = {
    {0x0300, 0x036F},    // combining diacritical marks
    {0x1AB0, 0x1AFF},    // their extension
    {0x1DC0, 0x1DFF},    // their supplement
    {0x20D0, 0x20FF},    // marks for symbols, the keycap among them
    {0xFE00, 0xFE0F},    // variation selectors (text or emoji style)
    {0xFE20, 0xFE2F},    // half marks
    {0x1F3FB, 0x1F3FF},  // emoji skin-tone modifiers
    {0xE0020, 0xE007F},  // tags (the flags of regions within countries)
    {0xE0100, 0xE01EF},  // variation selectors supplement
};

bool IsExtender(char32_t cp) {
  return std::any_of(std::begin(kExtenders), std::end(kExtenders),
                     [cp](const TRangeRec& r) { return cp >= r.First && cp <= r.Last; });
}

bool IsRegionalIndicator(char32_t cp) { return cp >= 0x1F1E6 && cp <= 0x1F1FF; }

}  // namespace

std::size_t FirstCharacterLength(std::string_view text) {
  char32_t cp = 0;
  std::size_t end = DecodeUtf8(text, 0, cp);
  if (end == 0) return text.empty() ? 0 : 1;
  bool flagOpen = IsRegionalIndicator(cp);
  for (int taken = 1; taken < kMaxCodePoints; ++taken) {
    std::size_t next = DecodeUtf8(text, end, cp);
    if (next == 0) break;
    if (cp == kZeroWidthJoiner) {
      // The joiner belongs to the character only with what it joins.
      const std::size_t joined = DecodeUtf8(text, end + next, cp);
      if (joined == 0 || ++taken >= kMaxCodePoints) break;
      next += joined;
    } else if (IsRegionalIndicator(cp) && flagOpen) {
      flagOpen = false;
    } else if (!IsExtender(cp)) {
      break;
    }
    end += next;
  }
  return end;
}

}  // namespace corvane
