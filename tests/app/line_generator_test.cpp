#include "app/line_generator.h"

#include <gtest/gtest.h>

#include "tests/support/run_capture.h"

TEST(GenerateLines, ZeroCountWritesNothing) {
  TCaptureScope scope;
  GenerateLines('=', 50, 0, false);
  GenerateLines('=', 50, -3, true);
}
