// A Windows program that check-wine runs on a console: text handed to
// PlatformWrite in pieces that cut characters apart, and bytes outside
// UTF-8. The console shows
//   cut:─|中|·|
//   bad:�|�x|�|
// and a line of 9000 ─, more than one piece of UTF-16 holds.
#include <string>
#include <string_view>

#include "core/console/text_stream.h"
#include "core/platform/platform.h"

using namespace corvane;

namespace {

void Put(std::string_view text) {
  if (!PlatformWrite(ssOutput, text.data(), text.size())) PlatformEndProcess(1);
}

}  // namespace

int main(int argc, char** argv) {
  PlatformSetArguments(argc, argv);
  for (const char* piece : {"cut:", "\xe2", "\x94", "\x80|\xe4\xb8", "\xad|\xc2", "\xb7|"}) {
    Put(piece);
  }
  Put(LineEnd);
  // A stray byte; a beginning that the next write does not continue; one
  // that the next write ends.
  for (const char* piece : {"bad:\xff|\xe2\x94", "x|\xe4", "|"}) Put(piece);
  Put(LineEnd);
  std::string line;
  for (int k = 0; k < 9000; ++k) line += "\xe2\x94\x80";
  Put(line);
  Put(LineEnd);
  PlatformEndProcess(0);
}
