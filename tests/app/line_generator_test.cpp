#include "app/line_generator.h"

#include <gtest/gtest.h>

#include "core/console/text_stream.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

TEST(GenerateLines, WritesCountLinesWithOptionalLength) {
  const struct {
    std::string_view ch;
    int len, count;
    bool showLength;
    std::string out;
  } cases[] = {
      {"=", 50, 0, false, ""},
      {"=", 50, -3, true, ""},
      {"=", 5, 1, false, Nl("=====\n")},
      {"=", 5, 1, true, Nl("===== Length: 5\n")},
      {"#", 3, 3, false, Nl("###\n###\n###\n")},
      {"\xff", 2, 1, false, Nl("\xff\xff\n")},
      {"\xe2\x94\x80", 3, 1, true, Nl("\xe2\x94\x80\xe2\x94\x80\xe2\x94\x80 Length: 3\n")},
      {"-", 0, 2, true, Nl(" Length: 0\n Length: 0\n")},
  };
  for (const auto& c : cases) {
    TCaptureScope scope;
    GenerateLines(c.ch, c.len, c.count, c.showLength);
    FlushAllStreams();
    EXPECT_EQ(scope.Capture.Out, c.out) << c.len << "x" << c.count;
    EXPECT_EQ(scope.Capture.Err, "");
  }
}

TEST(GenerateLines, LargestRequestIsExactAndBatched) {
  TCaptureScope scope;
  GenerateLines("*", 1024, 1000, true);
  FlushAllStreams();
  const std::string line = std::string(1024, '*') + Nl(" Length: 1024\n");
  ASSERT_EQ(scope.Capture.Out.size(), line.size() * 1000);
  for (size_t at = 0; at < scope.Capture.Out.size(); at += line.size()) {
    ASSERT_EQ(scope.Capture.Out.compare(at, line.size(), line), 0) << at;
  }
  EXPECT_LE(scope.Capture.WriteCalls, 32);
}
