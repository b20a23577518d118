// libFuzzer target: any sequence of the player's inputs at any game times
// keeps every rule of the table.
#include <cstdio>

#include "harness/action_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tarvix::fuzz::ScriptResult result = tarvix::fuzz::run_action_script(data, size);
  if (!result.violation.empty()) {
    std::fprintf(stderr, "VIOLATION %s\n", result.violation.c_str());
    __builtin_trap();
  }
  return 0;
}
