// Every saved fuzzer input, played again under the table's rules: the
// crashes once found stay mended, and the corpus keeps its reach in builds
// without libFuzzer (the sanitizer build runs these too).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "harness/action_script.h"
#include "harness/save_loading.h"

namespace {

namespace fs = std::filesystem;
using tarvix::fuzz::event_budget;
using tarvix::fuzz::hand_budget;
using tarvix::fuzz::run_action_script;
using tarvix::fuzz::ScriptResult;

const fs::path fuzz_dir = fs::path(__FILE__).parent_path().parent_path() / "fuzz";

ScriptResult play(const std::vector<std::uint8_t>& script, std::ostream* trace = nullptr) {
  return run_action_script(script.data(), script.size(), trace);
}

void replay_all(const fs::path& dir, std::size_t at_least) {
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  std::size_t replayed = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (!entry.is_regular_file() || entry.path().filename().string()[0] == '.') continue;
    ++replayed;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> script{std::istreambuf_iterator<char>(in), {}};
    std::ostringstream trace;
    const ScriptResult result = play(script, &trace);
    if (!result.violation.empty())
      ADD_FAILURE() << entry.path().filename() << ": " << result.violation << "\n" << trace.str();
  }
  EXPECT_GE(replayed, at_least) << dir;
}

// The fuzzer has found no fault yet: the directory may hold no input.
TEST(FuzzInputs, RegressionsStayMended) { replay_all(fuzz_dir / "regressions", 0); }

TEST(FuzzInputs, CorpusKeepsTheRules) { replay_all(fuzz_dir / "corpus", 10); }

// The loader's inputs are database files: real saves, and hostile ones that
// once broke it (a card back the game never offers, times out of reach).
TEST(FuzzInputs, SavedDatabasesLoadAsTheGameLoadsThem) {
  const fs::path folder =
      fs::temp_directory_path() / ("tarvix-saves-" + std::to_string(::getpid()));
  for (const char* dir : {"corpus", "regressions"}) {
    std::size_t loaded = 0;
    for (const auto& entry : fs::directory_iterator(fuzz_dir / "saves" / dir)) {
      if (!entry.is_regular_file()) continue;
      ++loaded;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      EXPECT_EQ(tarvix::harness::load_save(folder, bytes), "") << entry.path().filename();
    }
    EXPECT_GE(loaded, 3u) << dir;
  }
  fs::remove_all(folder);
}

TEST(ActionScript, TheSameBytesPlayTheSameGameWithinTheBudgets) {
  // Seed 7, then call for 52 turns twice: a crash found once replays.
  const std::vector<std::uint8_t> calls = {7, 0, 0, 0, 0, 9, 0xff, 9, 0xff};
  std::ostringstream first, second;
  EXPECT_EQ(play(calls, &first).violation, "");
  play(calls, &second);
  EXPECT_EQ(first.str(), second.str());
  // Thousands of key presses cost as much as they are many, and folding
  // through hundreds of turns would otherwise play a whole tournament.
  std::vector<std::uint8_t> keys = {3, 0, 0, 0, 0}, folds = keys;
  for (int i = 0; i < 5000; ++i) keys.insert(keys.end(), {5, 1});
  for (int i = 0; i < 100; ++i) folds.insert(folds.end(), {9, 0xfb});
  EXPECT_EQ(play(keys).events, event_budget);
  const ScriptResult folded = play(folds);
  EXPECT_LE(folded.hands, hand_budget + 1);
  EXPECT_TRUE(folded.ended || folded.hands > hand_budget || folded.events == event_budget);
}

TEST(ActionScript, GoingAllInWithTheBestHandCanWinTheTournament) {
  // From one deal before the final table, within the hand budget: the
  // fuzzer reaches the end of the tournament from either side. All in with
  // the best hand at the table wins it; calling every bet loses it.
  constexpr std::uint8_t all_in_with_the_best = 0xfe, call_always = 0xfa;
  int won = 0, knocked_out = 0;
  for (std::uint8_t seed = 1; seed <= 16; ++seed) {
    for (std::uint8_t turns : {all_in_with_the_best, call_always}) {
      std::vector<std::uint8_t> script = {seed, 0, 0, 0, 7};
      for (int i = 0; i < 20; ++i) script.insert(script.end(), {9, turns});
      const ScriptResult result = play(script);
      EXPECT_EQ(result.violation, "") << int{seed};
      won += result.won;
      knocked_out += result.ended && !result.won;
    }
  }
  EXPECT_GT(won, 0);
  EXPECT_GT(knocked_out, 0);
}

}  // namespace
