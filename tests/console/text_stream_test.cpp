#include "core/console/text_stream.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_platform.h"

using namespace corvane;

TEST(TextStream, TextReachesTheOSInWriteOrderAcrossStreams) {
  TCaptureScope scope;
  WriteText(ConsoleOut, "a");
  WriteLine(ConsoleErr, "b");
  WriteText(ConsoleOut, "c");
  WriteLine(ConsoleOut);
  WriteText(ConsoleErr, "d");
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Both, Nl("ab\nc\nd"));
  EXPECT_EQ(scope.Capture.Out, Nl("ac\n"));
  EXPECT_EQ(scope.Capture.Err, Nl("b\nd"));
}

TEST(TextStream, PipeOutputIsBatchedIntoFewWrites) {
  TCaptureScope scope;
  const std::string line(1024, '#');
  for (int i = 0; i < 1000; ++i) WriteLine(ConsoleOut, line);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out.size(), 1000u * (1024u + LineEnd.size()));
  EXPECT_LE(scope.Capture.WriteCalls, 20);
}

TEST(TextStream, TerminalGetsEveryCompletedLineAtOnce) {
  TCaptureScope scope;
  scope.Capture.OutIsTerminal = true;
  BindConsoleStreams();  // forget the earlier answer to "is it a terminal?"
  WriteText(ConsoleOut, "partial");
  EXPECT_EQ(scope.Capture.Out, "");
  WriteLine(ConsoleOut, " line");
  EXPECT_EQ(scope.Capture.Out, Nl("partial line\n"));
  WriteText(ConsoleOut, "x");
  FlushStream(ConsoleOut);
  EXPECT_EQ(scope.Capture.Out, Nl("partial line\nx"));
}

TEST(TextStream, LargeWritesPassThroughWhole) {
  TCaptureScope scope;
  const std::string big(200000, 'z');
  WriteText(ConsoleOut, "head");
  WriteText(ConsoleOut, big);
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out, "head" + big);
}

TEST(TextStream, RebindingSendsConsoleOutToStandardErrorInOrder) {
  TCaptureScope scope;
  WriteText(ConsoleOut, "before ");
  WriteText(ConsoleErr, "report ");
  RebindConsoleOutToErr();
  WriteLine(ConsoleOut, "help");
  FlushAllStreams();
  EXPECT_EQ(scope.Capture.Out, "before ");
  EXPECT_EQ(scope.Capture.Err, Nl("report help\n"));
  EXPECT_EQ(scope.Capture.Both, Nl("before report help\n"));
}

TEST(TextStream, RepeatedLinesFollowPendingTextAndTheTerminalRule) {
  for (bool terminal : {false, true}) {
    TCaptureScope scope;
    scope.Capture.OutIsTerminal = terminal;
    BindConsoleStreams();
    WriteText(ConsoleErr, "err ");
    WriteText(ConsoleOut, "out ");
    const int before = scope.Capture.WriteCalls;
    WriteRepeatedLine(ConsoleOut, Nl("ab\n"), 3);
    WriteRepeatedLine(ConsoleOut, Nl("never\n"), 0);
    FlushAllStreams();
    EXPECT_EQ(scope.Capture.Both, Nl("err out ab\nab\nab\n")) << terminal;
    // A terminal gets one write per line (the first carries the pending
    // text); elsewhere the pending text and then all copies, once each.
    EXPECT_EQ(scope.Capture.WriteCalls - before, terminal ? 3 : 2) << terminal;
  }
}
