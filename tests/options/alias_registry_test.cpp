#include "core/options/alias_registry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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
  } cases[] = {{"H", "H HELP", false}, {"HELP", "H HELP", false}, {"HE", "H HELP", true},
               {"ELP", "H HELP", true}, {"h", "H HELP", true},     {"H", "", true},
               {"B", "A B C", false},   {"A B", "A B C", false},   {"", "", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(WordNotListed(c.Word, c.List), c.NotListed) << c.Word << " in " << c.List;
  }
}

// The registry's rule stated plainly: each word, upper-cased, is appended
// unless it stands between blanks (or ends) in the list already.
void PlainRegister(std::string& all, const std::string& aliases) {
  std::size_t p = 0;
  while (p < aliases.size()) {
    if (aliases[p] == ' ') {
      ++p;
      continue;
    }
    std::string word;
    bool quoted = false;
    for (; p < aliases.size() && (quoted || aliases[p] != ' '); ++p) {
      if (aliases[p] == '"') quoted = !quoted;
      const char c = aliases[p];
      word += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if ((" " + all + " ").find(" " + word + " ") == std::string::npos) all += " " + word;
  }
  std::size_t first = 0;
  std::size_t end = all.size();
  while (first < end && static_cast<unsigned char>(all[first]) < 33) ++first;
  while (end > first && static_cast<unsigned char>(all[end - 1]) < 33) --end;
  all = all.substr(first, end - first);
}

// Lists registered one after another, into lists that are also switched and
// edited between calls, must come out as the plain rule says.
TEST(AliasRegistry, MatchesThePlainRuleOverLongMixedSequences) {
  const std::vector<std::string> words = {
      "h",  "H",   "HELP",  "help2", "?",   "??",        "\"a b\"", "\"A  B\"", "b\"",
      "\"a", "x-y", "\tTAB", "END\r", "\xE4", std::string(70, 'q'), std::string(64, 'Q'),
      "N",  "NUMBER", "N2", "LEN"};
  std::mt19937 random(20261208);
  std::string lists[2];
  std::string plain[2];
  for (int step = 0; step < 3000; ++step) {
    const int which = static_cast<int>(random() % 2);
    if (random() % 50 == 0) {
      // Edited from outside: the registry must not trust what it saw before.
      lists[which] = plain[which] = random() % 2 == 0 ? "" : "\t HELP N ";
    }
    std::string aliases;
    for (int n = static_cast<int>(random() % 4); n > 0; --n) {
      aliases += std::string(random() % 3, ' ') + words[random() % words.size()];
    }
    RegisterAliases(lists[which], aliases);
    PlainRegister(plain[which], aliases);
    ASSERT_EQ(lists[which], plain[which]) << "step " << step << " after \"" << aliases << "\"";
  }
}

}  // namespace
