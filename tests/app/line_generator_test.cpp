#include "app/line_generator.h"

#include <gtest/gtest.h>

#include "core/console/text_stream.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

TEST(GenerateLines, WritesCountLinesWithOptionalLength) {
  const struct {
    char ch;
    int len, count;
    bool showLength;
    std::string out;
  } cases[] = {
      {'=', 50, 0, false, ""},
      {'=', 50, -3, true, ""},
      {'=', 5, 1, false, "=====\r\n"},
      {'=', 5, 1, true, "===== Length: 5\r\n"},
      {'#', 3, 3, false, "###\r\n###\r\n###\r\n"},
      {'\xff', 2, 1, false, "\xff\xff\r\n"},
      {'-', 0, 2, true, " Length: 0\r\n Length: 0\r\n"},
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
  GenerateLines('*', 1024, 1000, true);
  FlushAllStreams();
  const std::string line = std::string(1024, '*') + " Length: 1024\r\n";
  ASSERT_EQ(scope.Capture.Out.size(), line.size() * 1000);
  for (size_t at = 0; at < scope.Capture.Out.size(); at += line.size()) {
    ASSERT_EQ(scope.Capture.Out.compare(at, line.size(), line), 0) << at;
  }
  EXPECT_LE(scope.Capture.WriteCalls, 32);
}
