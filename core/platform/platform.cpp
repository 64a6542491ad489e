// Portable half of the platform layer: the arguments, the program's name
// and the fatal errors, the same on every system.
#include "core/platform/platform.h"

#include <iterator>
#include <new>
#include <utility>

#include "core/base/text.h"
#include "core/platform/platform_os.h"

namespace corvane {

namespace {

std::vector<std::string> Arguments;
std::string ProgramName;
std::string ExecutablePath;
bool ExecutablePathAsked = false;

[[noreturn]] void EndOutOfMemory() { PlatformFatalError("out of memory", OutOfMemoryStatus); }

}  // namespace

void PlatformSetArguments(int argc, const char* const* argv) {
  ProgramName = (argc > 0 && argv[0] != nullptr) ? argv[0] : "";
  // Start-up and the identity both need it; the system is asked once.
  ExecutablePath = OsExecutablePath();
  ExecutablePathAsked = true;
  // Copied after the name, so that a run refused memory for them can say
  // which program it was.
  Arguments.clear();
#ifdef _WIN32
  // The same arguments in UTF-8, unless a tool passes a list of its own.
  std::vector<std::string> wide = OsWideArguments();
  if (argc > 0 && wide.size() == static_cast<std::size_t>(argc)) {
    ProgramName = std::move(wide[0]);
    Arguments.assign(std::make_move_iterator(wide.begin() + 1),
                     std::make_move_iterator(wide.end()));
    return;
  }
#endif
  if (argc > 1) Arguments.assign(argv + 1, argv + argc);
}

const std::vector<std::string>& PlatformArguments() { return Arguments; }

const std::string& PlatformProgramName() { return ProgramName; }

const std::string& PlatformExecutablePath() {
  // A tool that never called PlatformSetArguments still has a path, and its
  // messages a name: CoreInitialize asks for it first.
  if (!ExecutablePathAsked) {
    ExecutablePathAsked = true;
    ExecutablePath = OsExecutablePath();
  }
  return ExecutablePath;
}

void PlatformEndOnOutOfMemory() {
  // A program, not the library, chooses this: a host that loads a tool's
  // code keeps its own handling of a refused allocation.
  std::set_new_handler(EndOutOfMemory);
}

std::string_view PlatformMessageName() {
  std::string_view path = PlatformExecutablePath();
  if (path.empty()) path = ProgramName;
  path.remove_prefix(FileNameStart(path));
  path.remove_suffix(ExtensionOf(path).size());
  return path;
}

namespace {

// The name as the report shows it: a terminal gets its controls escaped, so
// that a file's name never drives it. Written piece by piece, since the
// message must not need memory.
void WriteMessageName(std::string_view name) {
  const bool escape = PlatformIsTerminal(ssError);
  std::size_t written = 0;
  for (std::size_t i = 0; escape && i < name.size();) {
    const std::size_t control = ControlLength(name, i);
    if (control == 0) {
      i += CharacterLength(name, i);
      continue;
    }
    PlatformWrite(ssError, name.data() + written, i - written);
    PlatformWrite(ssError, "$'", 2);
    for (std::size_t k = i; k < i + control; ++k) {
      const auto c = static_cast<unsigned char>(name[k]);
      const char hex[] = {'\\', 'x', HexDigits[c >> 4], HexDigits[c & 15]};
      PlatformWrite(ssError, hex, sizeof hex);
    }
    PlatformWrite(ssError, "'", 1);
    i += control;
    written = i;
  }
  PlatformWrite(ssError, name.data() + written, name.size() - written);
}

}  // namespace

void PlatformFatalError(std::string_view cause, int status) {
  const std::string_view name = PlatformMessageName();
  if (!name.empty()) {
    WriteMessageName(name);
    PlatformWrite(ssError, ": ", 2);
  }
  PlatformWrite(ssError, cause.data(), cause.size());
  PlatformWrite(ssError, LineEnd.data(), LineEnd.size());
  PlatformEndProcess(status);
}

void PlatformFatalWriteError(TStdStream stream) {
  // A failed standard error has nowhere left to say so.
  if (stream == ssError) PlatformEndProcess(WriteFailedStatus);
  PlatformFatalError("writing standard output failed", WriteFailedStatus);
}

}  // namespace corvane
