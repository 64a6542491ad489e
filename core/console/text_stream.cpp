#include "core/console/text_stream.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "core/console/terminal_text.h"

namespace corvane {

namespace {

// Bound from the start of the process, so that text written before
// CoreInitialize reaches the stream it was written to.
TStreamSink OutputSink{ssOutput};
TStreamSink ErrorSink{ssError};
// One block serves both streams: a stream's text is handed over before the
// other's is buffered, so it never holds text of both. Zero-filled static
// storage: only the pages text is written to are ever touched, no heap block
// pushes the allocator's later blocks onto a page of their own, and no
// destructor can take it away from static destructors and exit handlers.
char Buffer[StreamBufferSize];

void HandOver(const TStreamSink& sink, const char* data, std::size_t size) {
  if (size > 0 && !PlatformWrite(sink.Target, data, size)) PlatformFatalWriteError(sink.Target);
}

void FlushSink(TStreamSink& sink) {
  std::size_t used = sink.Used;
  sink.Used = 0;
  HandOver(sink, Buffer, used);
}

TStreamSink& OtherSink(const TStreamSink& sink) {
  return &sink == &OutputSink ? ErrorSink : OutputSink;
}

// Exit handlers registered before this one and static destructors still
// run after it, and what they write has no later hand-over to wait for: the
// buffer takes nothing more, so every write goes out at once.
void FlushAtExit() {
  FlushAllStreams();
  for (TStreamSink* sink : {&OutputSink, &ErrorSink}) sink->Capacity = 0;
}

// The process end is asked to hand text over once some waits: a tool that
// returns from main or calls exit loses nothing, and a run that never
// buffers pays nothing.
void EnsureFlushAtExit() {
  static bool registered = false;
  if (!registered) registered = std::atexit(FlushAtExit) == 0;
}

// The sink is handed back to be written to, so it cannot point to const.
// cppcheck-suppress constParameter
TStreamSink& SinkOf(TStreamSink* sink) {
  if (sink == nullptr) {
    // What the bound streams hold was written and must not go down with it.
    FlushAllStreams();
    PlatformFatalError("writing to a stream that is not bound", UnboundStreamStatus);
  }
  return *sink;
}

bool IsTerminal(TStreamSink& sink) {
  if (sink.TerminalState < 0) sink.TerminalState = PlatformIsTerminal(sink.Target) ? 1 : 0;
  return sink.TerminalState == 1;
}

void Append(TStreamSink& sink, const char* data, std::size_t size) {
  if (size == 0) return;
  TStreamSink& other = OtherSink(sink);
  if (other.Used > 0) FlushSink(other);
  if (size <= sink.Capacity - sink.Used) {
    EnsureFlushAtExit();
    std::memcpy(Buffer + sink.Used, data, size);
    sink.Used += size;
    return;
  }
  FlushSink(sink);
  if (size >= sink.Capacity) {
    HandOver(sink, data, size);
    return;
  }
  EnsureFlushAtExit();
  std::memcpy(Buffer, data, size);
  sink.Used = size;
}

}  // namespace

TTextStream ConsoleOut{&OutputSink};
TTextStream ConsoleErr{&ErrorSink};

void BindConsoleStreams() {
  // What was written before is handed over, not lost.
  FlushAllStreams();
  // The sinks' targets are fixed where they are defined; only the answer to
  // "is it a terminal?" and a rebinding of ConsoleOut are undone.
  for (TStreamSink* sink : {&OutputSink, &ErrorSink}) sink->TerminalState = -1;
  ConsoleOut.Sink = &OutputSink;
  ConsoleErr.Sink = &ErrorSink;
}

void RebindConsoleOutToErr() {
  FlushSink(SinkOf(ConsoleOut.Sink));
  ConsoleOut.Sink = &SinkOf(ConsoleErr.Sink);
}

void WriteText(TTextStream& stream, std::string_view text) {
  Append(SinkOf(stream.Sink), text.data(), text.size());
}

void WriteData(TTextStream& stream, std::string_view data) {
  TStreamSink& sink = SinkOf(stream.Sink);
  if (!IsTerminal(sink)) return Append(sink, data.data(), data.size());
  const std::string shown = EscapeControls(data);
  Append(sink, shown.data(), shown.size());
}

void WriteChar(TTextStream& stream, char c) { Append(SinkOf(stream.Sink), &c, 1); }

void WriteLine(TTextStream& stream, std::string_view text) {
  TStreamSink& sink = SinkOf(stream.Sink);
  Append(sink, text.data(), text.size());
  Append(sink, LineEnd.data(), LineEnd.size());
  if (IsTerminal(sink)) FlushSink(sink);
}

void WriteRepeatedLine(TTextStream& stream, std::string_view line, std::size_t count) {
  TStreamSink& sink = SinkOf(stream.Sink);
  if (IsTerminal(sink)) {
    for (; count > 0; --count) {
      Append(sink, line.data(), line.size());
      FlushSink(sink);
    }
    return;
  }
  if (count == 0 || line.empty()) return;
  FlushSink(OtherSink(sink));
  FlushSink(sink);
  if (!PlatformWriteRepeated(sink.Target, line.data(), line.size(), count)) {
    PlatformFatalWriteError(sink.Target);
  }
}

void FlushStream(TTextStream& stream) { FlushSink(SinkOf(stream.Sink)); }

void FlushAllStreams() {
  FlushSink(OutputSink);
  FlushSink(ErrorSink);
}

}  // namespace corvane
