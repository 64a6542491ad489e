#include "core/options/substring_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace corvane;

namespace {

std::vector<std::string_view> Views(const std::vector<std::string>& texts) {
  return std::vector<std::string_view>(texts.begin(), texts.end());
}

}  // namespace

TEST(SubstringIndex, AgreesWithAPlainSearchWhileTheTextGrows) {
  std::mt19937 rng(20240611);
  const std::string alphabet = "ab \"";
  for (int round = 0; round < 200; ++round) {
    // Short patterns over a small alphabet: prefixes of one another, repeats,
    // and patterns that span the appended pieces.
    std::vector<std::string> patterns;
    for (int q = 0; q < 40; ++q) {
      std::string pattern;
      for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n) pattern += alphabet[rng() % 4];
      patterns.push_back(pattern);
    }
    TSubstringIndex index;
    SubstringIndexBuild(index, Views(patterns));
    std::string text;
    for (int step = 0; step < 30; ++step) {
      std::string chunk;
      for (int n = static_cast<int>(rng() % 5); n > 0; --n) chunk += alphabet[rng() % 4];
      SubstringIndexAppend(index, chunk);
      text += chunk;
      for (std::size_t q = 0; q < patterns.size(); ++q) {
        ASSERT_EQ(SubstringIndexContains(index, q), text.find(patterns[q]) != std::string::npos)
            << "[" << text << "] [" << patterns[q] << "]";
      }
    }
  }
}

TEST(SubstringIndex, TakesEveryByteValue) {
  const std::vector<std::string> patterns = {"", "a", std::string("\x81\x80\x7f", 3),
                                             std::string("\x01\x00", 2),
                                             std::string("\x00\x01", 2)};
  TSubstringIndex index;
  SubstringIndexBuild(index, Views(patterns));
  EXPECT_TRUE(SubstringIndexContains(index, 0));
  EXPECT_FALSE(SubstringIndexContains(index, 1));
  std::string text;
  for (int b = 255; b >= 0; --b) text += static_cast<char>(b);
  SubstringIndexAppend(index, text);
  EXPECT_TRUE(SubstringIndexContains(index, 2));
  EXPECT_TRUE(SubstringIndexContains(index, 3));
  EXPECT_FALSE(SubstringIndexContains(index, 4));
}
