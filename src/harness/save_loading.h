// Any bytes as the player's database file, loaded as the game loads it at
// start: shared by the loader's fuzz target and the test that replays its
// saved inputs (a library of its own, tarvix_harness_store, as it needs the
// store). The store opens the file or says why not, and a file it cannot use
// is set aside whole; every read of the record answers; a kept
// tournament replays to a table that keeps every rule, its chip books among
// them, and plays on from there; a replay that differs leaves the record.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvix::harness {

// The first rule the load broke, or empty. The folder is emptied first.
std::string load_save(const std::filesystem::path& folder, std::string_view bytes);

}  // namespace tarvix::harness
