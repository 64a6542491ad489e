#include "corvane/console.h"

#include <gtest/gtest.h>

#include <string>

#include "core/console/text_stream.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

TEST(WaitWithDots, EndsAfterTheStepInWhichAKeyArrived) {
  const struct {
    int count;
    int keyAtCheck;  // -1: no key
    int dots;
  } cases[] = {
      {4, -1, 4}, {30, -1, 30}, {4, 1, 0},   {4, 3, 2}, {4, 4, 3},
      {4, 5, 4},  {0, -1, 1},   {-3, -1, 1}, {0, 1, 0},
  };
  for (const auto& c : cases) {
    TCaptureScope scope;
    scope.Console.KeyAfterChecks = c.keyAtCheck;
    WaitWithDots(c.count, "Wait");
    const std::string shown = "Wait" + std::string(static_cast<std::size_t>(c.dots), '.');
    // The prompt and every dot are handed over at once, one write each.
    EXPECT_EQ(scope.Capture.Out, shown) << c.count << " / " << c.keyAtCheck;
    EXPECT_EQ(scope.Capture.WriteCalls, 1 + c.dots);
    FlushAllStreams();
    EXPECT_EQ(scope.Capture.Out, shown + Nl("\n\n"));
    EXPECT_EQ(scope.Capture.Err, "");
    EXPECT_EQ(scope.Console.Sleeps, c.dots);
    EXPECT_EQ(scope.Console.SleptMs, 250 * c.dots);
    EXPECT_EQ(scope.Console.Starts, 1);
    EXPECT_EQ(scope.Console.Stops, 1);
  }
}
