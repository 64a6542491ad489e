// Command lines at and past the edges of what a system delivers: very many
// arguments, the longest argument the system allows, every byte value, texts
// that are not UTF-8. Each must give its exact result, and none may crash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helper.h"

namespace {

// Linux limits one argument to 128 KiB including its terminating NUL; a
// Windows command line holds 32767 characters in all.
const std::size_t kLongestArgument = UnderLauncher() ? 30000 : 131072 - 1;
const int kMostArguments = UnderLauncher() ? 2000 : 70000;
// A Windows program gets its arguments as Unicode: a byte beyond ASCII alone
// never reaches it.
const int kLastByte = UnderLauncher() ? 127 : 255;

const std::string kX(kLongestArgument, 'x');
const std::string kLengthComplaint =
    Nl("\nInvalid Parameters Provided:  String length must be a positive number > 0\n");
std::string Times(int count, const std::string& character) {
  std::string out;
  for (int k = 0; k < count; ++k) out += character;
  return out;
}
std::string Unclaimed(const std::string& arg) {
  return Nl("\nInvalid Parameters Provided: ") + arg + Nl(" \n");
}

// After the character and the length, 14 distinct arguments as long as the
// system allows, or 100,000 short ones: the validation keeps each argument
// in many lists, and more than once. Unclaimed, all are listed.
std::vector<std::string> UnclaimedArguments(int count, std::size_t length) {
  std::vector<std::string> args = {"=", "50"};
  for (int k = 1; k <= count; ++k) {
    const std::string number = std::to_string(k);
    args.push_back(std::string(length > number.size() ? length - number.size() : 1, 'a') + number);
  }
  return args;
}
std::string UnclaimedList(const std::vector<std::string>& args) {
  std::string list = args[2];
  for (std::size_t k = 3; k < args.size(); ++k) list += " " + args[k];
  return list;
}
const std::vector<std::string> kLongArguments = UnclaimedArguments(14, kLongestArgument);
const std::vector<std::string> kManyArguments = UnclaimedArguments(100000, 2);
const std::size_t kMiB = 1024 * 1024;

const TRunCase kEdgeCases[] = {
    // The longest argument: as the length it is no number, so the length is 0.
    {{"=", kX}, "", 65, kLengthComplaint},
    // As the character, only its first byte counts.
    {{kX, "4"}, Repeat(1, "xxxx")},
    // As a line count it is no number either: the default single line.
    {{"=", "4", "-n", std::string(kLongestArgument, '9')}, Repeat(1, "====")},
    // Attached to -c (cut to 999 characters) or after it: its first byte.
    {{"=", "5", "-c=Q" + std::string(kLongestArgument - 4, 'x')}, Repeat(1, "QQQQQ")},
    {{"=", "5", "-c", "Q" + std::string(kLongestArgument - 1, 'x')}, Repeat(1, "QQQQQ")},
    // As an unclaimed argument it is listed whole.
    {{"=", "5", kX}, "", 65, Unclaimed(kX)},
    // Number texts: 255 characters still convert, 256 do not.
    {{"=", "4", "-n=" + std::string(252, '0') + "007"}, Repeat(7, "====")},
    {{"=", "4", "-n=" + std::string(253, '0') + "007"}, Repeat(1, "====")},
    {{"=", "4", "-n=" + std::string(300, '2')}, Repeat(1, "====")},
    {{"=", std::string(252, '0') + "005"}, Repeat(1, "=====")},
    {{"=", std::string(253, '0') + "005"}, "", 65, kLengthComplaint},
    {{"=", std::string(300, '7')}, "", 65, kLengthComplaint},
    // Commas are dropped before the length is judged.
    {{"=", std::string(300, ',') + "6"}, Repeat(1, "======")},
    // Control bytes are repeated as they are.
    {{"=", "4",
      "-c=\x01"
      "abc"},
     Repeat(1, "\x01\x01\x01\x01")},
    {{"=", "3", "-c", "\x1b[31m"}, Repeat(1, "\x1b\x1b\x1b")},
    {{"\x7f", "2", "-L"}, Repeat(1, "\x7f\x7f Length: 2")},
    {{"\r", "2", "-n=2"}, Repeat(2, "\r\r")},
    {{"\n\n", "1", "--char", "\t"}, Repeat(1, "\t")},
    // Blanks and tabs may lead a number, nothing may follow it.
    {{"=", " \t 3"}, Repeat(1, "===")},
    {{"=", "3\t"}, "", 65, kLengthComplaint},
    {{"=", "3\r"}, "", 65, kLengthComplaint},
    // A character beyond ASCII is repeated whole, with what belongs to it on
    // screen; the length and -L count characters.
    {{"\xc3\xa9", "3"}, Repeat(1, "\xc3\xa9\xc3\xa9\xc3\xa9")},
    {{"\xe2\x94\x80", "5"}, Repeat(1, Times(5, "\xe2\x94\x80"))},
    {{"=", "3", "-c=\xe2\x95\x90", "-L"}, Repeat(1, Times(3, "\xe2\x95\x90") + " Length: 3")},
    {{"e\xcc\x81x", "3"}, Repeat(1, Times(3, "e\xcc\x81"))},
    {{"\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd", "2"},
     Repeat(1, Times(2, "\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd"))},
    {{"\xf0\x9f\x87\xa9\xf0\x9f\x87\xaa", "2"},
     Repeat(1, Times(2, "\xf0\x9f\x87\xa9\xf0\x9f\x87\xaa"))},
    {{"\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x92\xbb", "2"},
     Repeat(1, Times(2, "\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x92\xbb"))},
    {{"\xe4\xb8\xad", "4"}, Repeat(1, Times(4, "\xe4\xb8\xad"))},
    // Texts beyond ASCII and not UTF-8: bytes as they are.
    {{"\xe9", "3"}, Repeat(1, "\xe9\xe9\xe9")},
    {{"\xff\xfe", "4"}, Repeat(1, "\xff\xff\xff\xff")},
    {{"=", "2", "-c=\xe9t\xe9"}, Repeat(1, "\xe9\xe9")},
    {{"\x80", "2", "-L"}, Repeat(1, "\x80\x80 Length: 2")},
    {{"=", "3", "\xc3\x28"}, "", 65, Unclaimed("\xc3\x28")},
    {{"=", "3", "--\xff\xfe"}, "", 65, Unclaimed("--\xff\xfe")},
    // An overlong encoding of "/" is not the "/" prefix,
    {{"=", "3", "\xc0\xafn=2"}, "", 65, Unclaimed("\xc0\xafn=2")},
    // nor is a two-byte character after "-" the letter c.
    {{"=", "3", "-\xc3\x87=x"}, "", 65, Unclaimed("-\xc3\x87=x")},
    {{"=", "\xef\xbc\x95"}, "", 65, kLengthComplaint},  // a full-width digit five
    // Their memory stays a small multiple of their bytes: the whole report in
    // 48 MiB of address space; in 12 MiB, one line and a status of its own.
    {kLongArguments, "", 65, Unclaimed(UnclaimedList(kLongArguments)), 48 * kMiB},
    {kManyArguments, "", 65, Unclaimed(UnclaimedList(kManyArguments)), 48 * kMiB},
    {kLongArguments, "", 71, ProgramBaseName() + Nl(": out of memory\n"), 12 * kMiB},
    {kManyArguments, "", 71, ProgramBaseName() + Nl(": out of memory\n"), 12 * kMiB},
};

class EdgeArguments : public ::testing::TestWithParam<TRunCase> {};
INSTANTIATE_TEST_SUITE_P(Table, EdgeArguments, ::testing::ValuesIn(kEdgeCases));
TEST_P(EdgeArguments, ExactResult) { ExpectRun(GetParam()); }

}  // namespace

TEST(HostileInput, AsManyArgumentsAsTheSystemTakesAreAllReported) {
  std::vector<std::string> args = {"=", "50"};
  std::string list;
  for (int k = 1; k <= kMostArguments; ++k) {
    args.push_back("a" + std::to_string(k));
    list += args.back() + " ";
  }
  TToolRun how;
  how.TimeoutSeconds = 60;
  TToolResult r = RunTool(args, how);
  EXPECT_EQ(r.ExitStatus, 65);
  EXPECT_EQ(r.Out, "");
  EXPECT_NE(r.Err.find(Nl("\nInvalid Parameters Provided: ") + list + Nl("\n")), std::string::npos);
  EXPECT_LT(r.Seconds, 5.0);
}

// A one-byte argument can never spell an option (every spelling is a prefix
// and an alias, two bytes at least), so it is always the plain character or
// the plain value of -c, whatever the byte.
TEST(HostileInput, EveryByteAsTheCharacterAndAsTheCharValue) {
  for (int b = 1; b <= kLastByte; ++b) {
    const std::string c(1, static_cast<char>(b));
    SCOPED_TRACE("byte " + std::to_string(b));
    ExpectRun({{c, "3"}, Repeat(1, std::string(3, c[0]))});
    // Odd bytes attached, even bytes as the next argument: both forms, every byte once.
    std::vector<std::string> args = {"=", "3", "-c", c};
    if (b % 2 == 1) args = {"=", "3", "-c=" + c};
    ExpectRun({args, Repeat(1, std::string(3, c[0]))});
  }
}
