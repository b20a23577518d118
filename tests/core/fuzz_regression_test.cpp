// Every saved fuzzer input, played again under the table's rules: the
// crashes once found stay mended, and the corpus keeps its reach in builds
// without libFuzzer (the sanitizer build runs these too).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "harness/action_script.h"

namespace {

namespace fs = std::filesystem;
using tarvix::fuzz::run_action_script;
using tarvix::fuzz::ScriptResult;

const fs::path fuzz_dir = fs::path(__FILE__).parent_path().parent_path() / "fuzz";

std::vector<std::uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }

ScriptResult play(const std::vector<std::uint8_t>& script, std::ostream* trace = nullptr) {
  return run_action_script(script.data(), script.size(), trace);
}

std::vector<fs::path> inputs_in(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

void replay_all(const fs::path& dir, std::size_t at_least) {
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  const std::vector<fs::path> files = inputs_in(dir);
  EXPECT_GE(files.size(), at_least) << dir;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> script{std::istreambuf_iterator<char>(in), {}};
    std::ostringstream trace;
    const ScriptResult result = play(script, &trace);
    if (!result.violation.empty())
      ADD_FAILURE() << file.filename() << ": " << result.violation << "\n" << trace.str();
  }
}

// The fuzzer has found no fault yet: the directory may hold no input.
TEST(FuzzInputs, RegressionsStayMended) { replay_all(fuzz_dir / "regressions", 0); }

TEST(FuzzInputs, CorpusKeepsTheRules) { replay_all(fuzz_dir / "corpus", 10); }

TEST(ActionScript, EmptyAndShortInputsOnlyLoadTheTable) {
  for (std::size_t size = 0; size <= 5; ++size) {
    const std::vector<std::uint8_t> script(size, 0);
    const ScriptResult result = play(script);
    EXPECT_EQ(result.violation, "") << size;
    EXPECT_EQ(result.events, 0) << size;
    EXPECT_EQ(result.hands, 1) << size;
  }
}

TEST(ActionScript, TheSameBytesPlayTheSameGame) {
  // Seed 7, then call for 52 turns twice: a crash found once replays.
  const auto script = bytes(std::string("\x07\0\0\0\0\x09\xff\x09\xff", 9));
  std::ostringstream first, second;
  const ScriptResult a = play(script, &first);
  const ScriptResult b = play(script, &second);
  EXPECT_EQ(a.violation, "");
  EXPECT_GT(a.hands, 1);
  EXPECT_EQ(first.str(), second.str());
  EXPECT_EQ(a.events, b.events);
}

TEST(ActionScript, EveryInputStopsWithinItsBudget) {
  // Folding through thousands of turns would otherwise play a whole
  // tournament, and thousands of key presses cost as much as they are many.
  std::vector<std::uint8_t> folds = {3, 0, 0, 0, 0};
  for (int i = 0; i < 100; ++i) folds.insert(folds.end(), {9, 0xfb});
  const ScriptResult folded = play(folds);
  EXPECT_EQ(folded.violation, "");
  EXPECT_LE(folded.hands, tarvix::fuzz::hand_budget + 1);
  EXPECT_LE(folded.events, tarvix::fuzz::event_budget);
  EXPECT_TRUE(folded.ended || folded.hands > tarvix::fuzz::hand_budget ||
              folded.events == tarvix::fuzz::event_budget);

  std::vector<std::uint8_t> keys = {3, 0, 0, 0, 0};
  for (int i = 0; i < 5000; ++i) keys.insert(keys.end(), {5, 1});
  const ScriptResult pressed = play(keys);
  EXPECT_EQ(pressed.violation, "");
  EXPECT_EQ(pressed.events, tarvix::fuzz::event_budget);
}

TEST(ActionScript, ExitNeedsItsConfirmingByte) {
  const ScriptResult refused = play({1, 0, 0, 0, 0, 8, 10, 0});
  EXPECT_FALSE(refused.ended);
  const ScriptResult confirmed = play({1, 0, 0, 0, 0, 8, 10, tarvix::fuzz::exit_confirm});
  EXPECT_TRUE(confirmed.ended);
  EXPECT_EQ(confirmed.violation, "");
}

TEST(ActionScript, GoingAllInWithTheBestHandCanWinTheTournament) {
  // From one deal before the final table, within the hand budget: the
  // fuzzer reaches the end of the tournament from either side.
  int won = 0, knocked_out = 0;
  for (std::uint8_t seed = 1; seed <= 16; ++seed) {
    std::vector<std::uint8_t> script = {seed, 0, 0, 0, 7};
    for (int i = 0; i < 20; ++i) script.insert(script.end(), {9, 0xfe});
    const ScriptResult result = play(script);
    EXPECT_EQ(result.violation, "") << int{seed};
    won += result.won;
    knocked_out += result.ended && !result.won;
  }
  EXPECT_GT(won, 0);
  EXPECT_GT(knocked_out, 0);
}

TEST(ActionScript, TheFieldCanStartAtTheFinalTable) {
  // Start byte 7: one deal before the final table; fold through 51 turns.
  const ScriptResult result = play({5, 0, 0, 0, 7, 9, 0xfb});
  EXPECT_EQ(result.violation, "");
  EXPECT_GT(result.hands, 1);
}

}  // namespace
