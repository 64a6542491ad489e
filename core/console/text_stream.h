// The streams' insides: the sinks the two streams write into and their
// binding.
#pragma once

#include <cstddef>

#include "core/platform/platform.h"
#include "corvane/console.h"

namespace corvane {

inline constexpr std::size_t StreamBufferSize = std::size_t{64} * 1024;

struct TStreamSink {
  TStdStream Target = ssOutput;
  int TerminalState = -1;  // -1 not yet asked, 0 no, 1 yes
  std::size_t Used = 0;
  std::size_t Capacity = StreamBufferSize;  // 0 once the process end handed it over
};

// Hands over anything pending, then binds ConsoleOut to standard output and
// ConsoleErr to standard error.
void BindConsoleStreams();
// From now on ConsoleOut writes wherever ConsoleErr writes.
void RebindConsoleOutToErr();

}  // namespace corvane
