#include "core/options/alias_registry.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvane;

namespace {

TEST(AliasRegistry, RegisterAliasesQuotesAndTrimming) {
  std::string all;
  RegisterAliases(all, "\"a b\" c C \xE4");
  EXPECT_EQ(all, "\"A B\" C \xE4");
  all = "\t X \r\n";
  RegisterAliases(all, "");
  EXPECT_EQ(all, "X");
  RegisterAliases(all, "XY x");
  EXPECT_EQ(all, "X XY");
  // Edited to another list of the same length: the old one's words are gone.
  all = "B XY";
  RegisterAliases(all, "b x");
  EXPECT_EQ(all, "B XY X");
}

TEST(AliasRegistry, WordNotListedComparesWholeWordsWithCase) {
  const struct {
    std::string Word, List;
    bool NotListed;
  } cases[] = {{"H", "H HELP", false},  {"HELP", "H HELP", false}, {"HE", "H HELP", true},
               {"ELP", "H HELP", true}, {"h", "H HELP", true},     {"H", "", true},
               {"B", "A B C", false},   {"A B", "A B C", false},   {"", "", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(WordNotListed(c.Word, c.List), c.NotListed) << c.Word << " in " << c.List;
  }
}

}  // namespace
