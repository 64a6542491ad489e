// Feeds arbitrary texts to the core's number conversion, with and without
// limits, and checks each result against the rules.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/number_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string problem = fuzzcheck::CheckNumberConversion(text);
  if (!problem.empty()) {
    std::fprintf(stderr, "number conversion: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
