#include "core/options/substring_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace corvane;

TEST(SubstringIndex, AgreesWithAPlainSearchWhileTheTextGrows) {
  std::mt19937 rng(20240611);
  const std::string alphabet = "ab \"";
  for (int round = 0; round < 200; ++round) {
    TSubstringIndex index;
    SubstringIndexReset(index);
    std::string text;
    for (int step = 0; step < 30; ++step) {
      std::string chunk;
      for (int n = static_cast<int>(rng() % 5); n > 0; --n) chunk += alphabet[rng() % 4];
      SubstringIndexAppend(index, chunk);
      text += chunk;
      for (int q = 0; q < 5; ++q) {
        std::string pattern;
        for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n) pattern += alphabet[rng() % 4];
        ASSERT_EQ(SubstringIndexContains(index, pattern), text.find(pattern) != std::string::npos)
            << "[" << text << "] [" << pattern << "]";
      }
    }
  }
}

TEST(SubstringIndex, TakesEveryByteValue) {
  TSubstringIndex index;
  SubstringIndexReset(index);
  EXPECT_TRUE(SubstringIndexContains(index, ""));
  EXPECT_FALSE(SubstringIndexContains(index, "a"));
  std::string text;
  for (int b = 255; b >= 0; --b) text += static_cast<char>(b);
  SubstringIndexAppend(index, text);
  EXPECT_TRUE(SubstringIndexContains(index, std::string("\x81\x80\x7f", 3)));
  EXPECT_TRUE(SubstringIndexContains(index, std::string("\x01\x00", 2)));
  EXPECT_FALSE(SubstringIndexContains(index, std::string("\x00\x01", 2)));
}
