#include <gtest/gtest.h>

#include "core/console/terminal_text.h"

using namespace corvane;

TEST(ShellQuoteArgument, QuotesWhatAShellWouldMisread) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"=", "="},
      {"-n=3", "-n=3"},
      {"/opt/tools/Linewright", "/opt/tools/Linewright"},
      {"", "''"},
      {"two words", "'two words'"},
      {"it's", "'it'\\''s'"},
      {"\"|\"", "'\"|\"'"},
      {"$HOME", "'$HOME'"},
      {"a*b", "'a*b'"},
      {"\x1b[31m", "$'\\x1B''[31m'"},
      {"a\tb", "'a'$'\\x09''b'"},
      {"\x7f", "$'\\x7F'"},
      {"\xc3\xa9", "\xc3\xa9"},
      {"\xc2\x9b"
       "2J",
       "$'\\xC2\\x9B''2J'"},
      {"\xc2\xa0", "\xc2\xa0"},
      // Bytes outside UTF-8 stay as typed, outside the quotes: a stray byte,
      // a cut-short form, a surrogate beside the last code point, an
      // overlong form and one beyond it.
      {"\xff", "\xff"},
      {"a b\xff", "'a b'\xff"},
      {"\xe2\x82 x", "\xe2\x82' x'"},
      {"\xed\xa0\x80 \xf4\x8f\xbf\xbf", "\xed\xa0\x80' \xf4\x8f\xbf\xbf'"},
      {"\xe0\x9f\xbf \xf4\x90\x80\x80", "\xe0\x9f\xbf' '\xf4\x90\x80\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShellQuoteArgument(c.in), c.out) << c.in;
}
