#include "app/program_flow.h"
#include "core/platform/platform.h"

int main(int argc, char** argv) {
  PlatformSetArguments(argc, argv);
  return RunProgram(/*freshProcess=*/true);
}
