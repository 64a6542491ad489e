#include "core/console/text_stream.h"

#include <cstring>
#include <string>

namespace corvane {

namespace {

TStreamSink OutputSink;
TStreamSink ErrorSink;

void HandOver(const TStreamSink& sink, const char* data, std::size_t size) {
  if (size > 0 && !PlatformWrite(sink.Target, data, size)) PlatformFatalWriteError(sink.Target);
}

void FlushSink(TStreamSink& sink) {
  std::size_t used = sink.Used;
  sink.Used = 0;
  HandOver(sink, sink.Buffer.get(), used);
}

TStreamSink& OtherSink(const TStreamSink& sink) {
  return &sink == &OutputSink ? ErrorSink : OutputSink;
}

bool IsTerminal(TStreamSink& sink) {
  if (sink.TerminalState < 0) sink.TerminalState = PlatformIsTerminal(sink.Target) ? 1 : 0;
  return sink.TerminalState == 1;
}

void Append(TStreamSink& sink, const char* data, std::size_t size) {
  if (size == 0) return;
  TStreamSink& other = OtherSink(sink);
  if (other.Used > 0) FlushSink(other);
  if (size <= StreamBufferSize - sink.Used) {
    // new char[] leaves the bytes as they are: only the pages written are touched.
    if (!sink.Buffer) sink.Buffer.reset(new char[StreamBufferSize]);
    std::memcpy(sink.Buffer.get() + sink.Used, data, size);
    sink.Used += size;
    return;
  }
  FlushSink(sink);
  if (size >= StreamBufferSize) {
    HandOver(sink, data, size);
    return;
  }
  if (!sink.Buffer) sink.Buffer.reset(new char[StreamBufferSize]);
  std::memcpy(sink.Buffer.get(), data, size);
  sink.Used = size;
}

}  // namespace

TTextStream ConsoleOut{&OutputSink};
TTextStream ConsoleErr{&ErrorSink};

void BindConsoleStreams() {
  OutputSink.Target = ssOutput;
  ErrorSink.Target = ssError;
  for (TStreamSink* sink : {&OutputSink, &ErrorSink}) {
    sink->Used = 0;
    sink->TerminalState = -1;
  }
  ConsoleOut.Sink = &OutputSink;
  ConsoleErr.Sink = &ErrorSink;
}

void RebindConsoleOutToErr() {
  FlushSink(*ConsoleOut.Sink);
  ConsoleOut.Sink = ConsoleErr.Sink;
}

void WriteText(TTextStream& stream, std::string_view text) {
  Append(*stream.Sink, text.data(), text.size());
}

void WriteData(TTextStream& stream, std::string_view data) {
  TStreamSink& sink = *stream.Sink;
  if (!IsTerminal(sink)) return Append(sink, data.data(), data.size());
  const std::string shown = EscapeControls(data);
  Append(sink, shown.data(), shown.size());
}

void WriteChar(TTextStream& stream, char c) { Append(*stream.Sink, &c, 1); }

void WriteLine(TTextStream& stream, std::string_view text) {
  TStreamSink& sink = *stream.Sink;
  Append(sink, text.data(), text.size());
  Append(sink, LineEnd.data(), LineEnd.size());
  if (IsTerminal(sink)) FlushSink(sink);
}

void WriteRepeatedLine(TTextStream& stream, std::string_view line, std::size_t count) {
  TStreamSink& sink = *stream.Sink;
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

void FlushStream(TTextStream& stream) { FlushSink(*stream.Sink); }

void FlushAllStreams() {
  FlushSink(OutputSink);
  FlushSink(ErrorSink);
}

}  // namespace corvane
