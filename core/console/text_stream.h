// The core's two text output streams. Text is buffered in the process and
// handed to the OS in the order it was written across both streams: writing
// to one stream first hands over what is pending on the other. On a terminal
// every completed line is handed over at its line end; whatever is pending
// is handed over when main returns or exit is called. A failed write ends
// the process (status WriteFailedStatus), and so does a write to a stream
// that was never bound (UnboundStreamStatus). The streams are bound from the
// start of the process; C stdio keeps a buffer of its own, so text written
// both ways may arrive out of order.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "../platform/platform.h"

namespace corvane {

inline constexpr std::size_t StreamBufferSize = std::size_t{64} * 1024;

struct TStreamSink {
  TStdStream Target = ssOutput;
  int TerminalState = -1;  // -1 not yet asked, 0 no, 1 yes
  std::size_t Used = 0;
  // Taken from the heap at the first text: a run whose output bypasses the
  // buffer never touches its pages, and the small globals stay together.
  std::unique_ptr<char[]> Buffer{};
};

// A stream writes into a sink; rebinding points it at another sink.
struct TTextStream {
  TStreamSink* Sink = nullptr;
};

extern TTextStream ConsoleOut;
extern TTextStream ConsoleErr;

// Hands over anything pending, then binds ConsoleOut to standard output and
// ConsoleErr to standard error.
void BindConsoleStreams();
// From now on ConsoleOut writes wherever ConsoleErr writes.
void RebindConsoleOutToErr();

void WriteText(TTextStream& stream, std::string_view text);
// Text taken from data (arguments, paths, file names): byte for byte on a
// file or pipe, with its controls escaped on a terminal, which data must
// never drive.
void WriteData(TTextStream& stream, std::string_view data);
void WriteChar(TTextStream& stream, char c);
// text, then the line end; on a terminal the line is handed over at once.
void WriteLine(TTextStream& stream, std::string_view text = {});
// line, which ends in the line end, count times over: on a terminal one line at a
// time as WriteLine hands them over, elsewhere in as few writes as the system
// allows, after whatever is pending on either stream.
void WriteRepeatedLine(TTextStream& stream, std::string_view line, std::size_t count);
void FlushStream(TTextStream& stream);
void FlushAllStreams();

}  // namespace corvane
