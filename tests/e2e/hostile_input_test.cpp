// Command lines at and past the edges of what a system delivers: very many
// arguments, the longest argument Linux allows, every byte value, texts that
// are not UTF-8. Each must give its exact result, and none may crash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helper.h"

namespace {

// Linux limits one argument to 128 KiB including its terminating NUL.
constexpr std::size_t kLongestArgument = 131072 - 1;

std::string Repeat(int lines, const std::string& line) {
  std::string out;
  for (int i = 0; i < lines; ++i) out += line + "\r\n";
  return out;
}

const char kLengthComplaint[] =
    "\r\nInvalid Parameters Provided:  String length must be a positive number > 0\r\n";

std::string Shown(const std::vector<std::string>& args) {
  std::string shown;
  for (const std::string& a : args) shown += (a.size() > 40 ? a.substr(0, 40) + "..." : a) + " ";
  return shown;
}

void ExpectLines(const std::vector<std::string>& args, const std::string& out) {
  TToolResult r = RunTool(args);
  EXPECT_EQ(r.Out, out) << Shown(args);
  EXPECT_EQ(r.Err, "") << Shown(args);
  EXPECT_EQ(r.ExitStatus, 0) << Shown(args);
}

void ExpectSyntaxError(const std::vector<std::string>& args, int code, const std::string& complaint) {
  TToolResult r = RunTool(args);
  EXPECT_EQ(r.ExitStatus, code) << Shown(args);
  EXPECT_EQ(r.Out, "") << Shown(args);
  EXPECT_NE(r.Err.find(complaint), std::string::npos) << Shown(args);
}

}  // namespace

TEST(HostileInput, SeventyThousandArgumentsAreAllReported) {
  std::vector<std::string> args = {"=", "50"};
  std::string list;
  for (int k = 1; k <= 70000; ++k) {
    args.push_back("a" + std::to_string(k));
    list += args.back() + " ";
  }
  TToolRun how;
  how.TimeoutSeconds = 60;
  TToolResult r = RunTool(args, how);
  EXPECT_EQ(r.ExitStatus, 65);
  EXPECT_EQ(r.Out, "");
  EXPECT_NE(r.Err.find("\r\nInvalid Parameters Provided: " + list + "\r\n"), std::string::npos);
  EXPECT_LT(r.Seconds, 5.0);
}

TEST(HostileInput, LongestArgumentInEveryPlace) {
  const std::string x(kLongestArgument, 'x');
  // As the length it is no number: the length is 0.
  ExpectSyntaxError({"=", x}, 65, kLengthComplaint);
  // As the character, only its first byte counts.
  ExpectLines({x, "4"}, Repeat(1, "xxxx"));
  // As a line count it is no number either: the default single line.
  ExpectLines({"=", "4", "-n", std::string(kLongestArgument, '9')}, Repeat(1, "===="));
  // Attached to -c (cut to 999 characters) or after it: its first byte.
  ExpectLines({"=", "5", "-c=Q" + std::string(kLongestArgument - 4, 'x')}, Repeat(1, "QQQQQ"));
  ExpectLines({"=", "5", "-c", "Q" + std::string(kLongestArgument - 1, 'x')}, Repeat(1, "QQQQQ"));
  // As an unclaimed argument it is listed whole.
  ExpectSyntaxError({"=", "5", x}, 65, "\r\nInvalid Parameters Provided: " + x + " \r\n");
}

// A one-byte argument can never spell an option (every spelling is a prefix
// and an alias, two bytes at least), so it is always the plain character or
// the plain value of -c, whatever the byte.
TEST(HostileInput, EveryByteAsTheCharacter) {
  for (int b = 1; b <= 255; ++b) {
    const std::string c(1, static_cast<char>(b));
    TToolResult r = RunTool({c, "3"});
    EXPECT_EQ(r.Out, Repeat(1, std::string(3, c[0]))) << "byte " << b;
    EXPECT_EQ(r.Err, "") << "byte " << b;
    EXPECT_EQ(r.ExitStatus, 0) << "byte " << b;
  }
}

TEST(HostileInput, EveryByteAsTheCharValue) {
  for (int b = 1; b <= 255; ++b) {
    const std::string c(1, static_cast<char>(b));
    // Odd bytes attached, even bytes as the next argument: both forms, every byte once.
    std::vector<std::string> args = {"=", "3", "-c", c};
    if (b % 2 == 1) args = {"=", "3", "-c=" + c};
    TToolResult r = RunTool(args);
    EXPECT_EQ(r.Out, Repeat(1, std::string(3, c[0]))) << "byte " << b;
    EXPECT_EQ(r.Err, "") << "byte " << b;
    EXPECT_EQ(r.ExitStatus, 0) << "byte " << b;
  }
}

TEST(HostileInput, OverlongNumberTexts) {
  // 255 characters still convert, 256 do not.
  ExpectLines({"=", "4", "-n=" + std::string(252, '0') + "007"}, Repeat(7, "===="));
  ExpectLines({"=", "4", "-n=" + std::string(253, '0') + "007"}, Repeat(1, "===="));
  ExpectLines({"=", "4", "-n=" + std::string(300, '2')}, Repeat(1, "===="));
  ExpectLines({"=", std::string(252, '0') + "005"}, Repeat(1, "====="));
  ExpectSyntaxError({"=", std::string(253, '0') + "005"}, 65, kLengthComplaint);
  ExpectSyntaxError({"=", std::string(300, '7')}, 65, kLengthComplaint);
  // Commas are dropped before the length is judged.
  ExpectLines({"=", std::string(300, ',') + "6"}, Repeat(1, "======"));
}

TEST(HostileInput, TextsThatAreNotUtf8) {
  ExpectLines({"\xff\xfe", "4"}, Repeat(1, "\xff\xff\xff\xff"));
  ExpectLines({"=", "2", "-c=\xe9t\xe9"}, Repeat(1, "\xe9\xe9"));
  ExpectLines({"\x80", "2", "-L"}, Repeat(1, "\x80\x80 Length: 2"));
  ExpectSyntaxError({"=", "3", "\xc3\x28"}, 65, "\r\nInvalid Parameters Provided: \xc3\x28 \r\n");
  ExpectSyntaxError({"=", "3", "--\xff\xfe"}, 65, "\r\nInvalid Parameters Provided: --\xff\xfe \r\n");
  // An overlong encoding of "/" is not the "/" prefix.
  ExpectSyntaxError({"=", "3", "\xc0\xafn=2"}, 65, "\r\nInvalid Parameters Provided: \xc0\xafn=2 \r\n");
  // Nor is a two-byte character after "-" the letter c.
  ExpectSyntaxError({"=", "3", "-\xc3\x87=x"}, 65, "\r\nInvalid Parameters Provided: -\xc3\x87=x \r\n");
  ExpectSyntaxError({"=", "\xef\xbc\x95"}, 65, kLengthComplaint);  // a full-width digit five
}

TEST(HostileInput, ControlBytesAreRepeatedAsTheyAre) {
  ExpectLines({"=", "4", "-c=\x01" "abc"}, Repeat(1, "\x01\x01\x01\x01"));
  ExpectLines({"=", "3", "-c", "\x1b[31m"}, Repeat(1, "\x1b\x1b\x1b"));
  ExpectLines({"\x7f", "2", "-L"}, Repeat(1, "\x7f\x7f Length: 2"));
  ExpectLines({"\r", "2", "-n=2"}, Repeat(2, "\r\r"));
  ExpectLines({"\n\n", "1", "--char", "\t"}, Repeat(1, "\t"));
  // Blanks and tabs may lead a number, nothing may follow it.
  ExpectLines({"=", " \t 3"}, Repeat(1, "==="));
  ExpectSyntaxError({"=", "3\t"}, 65, kLengthComplaint);
  ExpectSyntaxError({"=", "3\r"}, 65, kLengthComplaint);
}
