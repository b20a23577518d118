// libFuzzer target on the loader: any bytes as the player's database file
// are opened, read and, when they keep a tournament, replayed as the game
// does at start, without a crash, a lost file or a broken chip book.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "harness/save_loading.h"

namespace {

// A folder of this process's own in memory where there is one: the store
// syncs every commit, which a disk makes a hundred times slower.
std::filesystem::path scratch() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path base =
      fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
  return base / ("tarvix-saves-fuzzer-" + std::to_string(::getpid()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path folder = [] {
    // Gone when the fuzzer ends, or every run would leave one behind.
    std::atexit([] {
      std::error_code error;
      std::filesystem::remove_all(scratch(), error);
    });
    return scratch();
  }();
  const std::string broken = tarvix::harness::load_save(
      folder, std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "VIOLATION %s\n", broken.c_str());
    __builtin_trap();
  }
  return 0;
}
