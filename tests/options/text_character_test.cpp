#include "corvane/options.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvane;

TEST(FirstCharacterLength, TakesWhatBelongsToTheFirstCharacterOnScreen) {
  const std::string marks40 = "a" + [] {
    std::string m;
    for (int k = 0; k < 40; ++k) m += "\xcc\x81";
    return m;
  }();
  const struct {
    const char* label;
    std::string text;
    std::size_t length;
  } cases[] = {
      {"empty", "", 0},
      {"ASCII", "abc", 1},
      {"two bytes", "\xc3\xa9t\xc3\xa9", 2},
      {"three bytes", "\xe2\x94\x80\xe2\x94\x80", 3},
      {"four bytes", "\xf0\x9f\x98\x80x", 4},
      {"combining mark", "e\xcc\x81\xcc\xa7x", 5},
      {"variation selector", "\xe2\x9d\xa4\xef\xb8\x8f!", 6},
      {"keycap", "1\xef\xb8\x8f\xe2\x83\xa3", 7},
      {"skin tone", "\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd", 8},
      {"joined", "\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x92\xbb", 11},
      {"joiner at the end", "\xf0\x9f\x91\xa9\xe2\x80\x8d", 4},
      {"flag", "\xf0\x9f\x87\xa9\xf0\x9f\x87\xaa", 8},
      {"a third indicator starts the next flag", "\xf0\x9f\x87\xa9\xf0\x9f\x87\xaa\xf0\x9f\x87\xa9",
       8},
      {"a mark after a byte outside UTF-8 is not taken", "\xe9\xcc\x81", 1},
      {"Latin-1", "\xe9t\xe9", 1},
      {"lone continuation", "\x80\x80", 1},
      {"cut short", "\xe2\x94", 1},
      {"overlong", "\xc0\xaf", 1},
      {"surrogate", "\xed\xa0\x80", 1},
      {"above 10FFFF", "\xf4\x90\x80\x80", 1},
      {"marks beyond the stream-safe limit", marks40, 1 + 30 * 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstCharacterLength(c.text), c.length) << c.label;
  }
}
